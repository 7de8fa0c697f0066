#include "panel/managers/random_files_manager.h"

#include <commdlg.h>

#include <string>
#include <vector>

#include "ads/random_files.h"
#include "panel/framework/control_io.h"
#include "panel/managers/random_files_manager_resource.h"
#include "ports/panel_port.h"

namespace qvs {
namespace {

constexpr ListColumnSpec kColumns[] = {{"Name", 120, LVCFMT_LEFT}, {"Full pathname", 400, LVCFMT_LEFT}};
constexpr int kPathColumn = 1;
constexpr char kBrowseTitle[] = "Select the text file";
// Pairs of description and pattern, ended by an empty pair.
constexpr char kBrowseFilters[] = "Text File (*.txt)\0*.txt\0All Files\0*.*\0";
constexpr char kBrowseExtension[] = "txt";
// What the open-file dialog may answer: the longest path a name takes.
constexpr std::size_t kPathRoom = 2048;

}  // namespace

RandomFilesManager::RandomFilesManager(ModuleState& state) : DialogBase(IDD_RANDOM_FILES_MANAGER), state_(state) {}

void RandomFilesManager::Run(HINSTANCE instance, HWND owner) {
    if (!IsOpen()) RunModal(instance, owner);
}

bool RandomFilesManager::OnInit() {
    table_.Attach(Item(IDC_RANDOM_LIST), kColumns);
    for (RandomTextFile* file = state_.RandomFiles.Head; file; file = file->Next) ListFile(file);
    return true;
}

void RandomFilesManager::ListFile(RandomTextFile* file) {
    int row = table_.Append(file);
    table_.SetCell(row, 0, file->Name.c_str());
    table_.SetCell(row, kPathColumn, file->FullPathname.c_str());
}

bool RandomFilesManager::OnCommand(int id, int code) {
    if (code != BN_CLICKED) return false;
    switch (id) {
        case IDC_RANDOM_BROWSE: Browse(); return true;
        case IDC_RANDOM_ADD: Add(); return true;
        case IDC_RANDOM_REMOVE: Remove(); return true;
        case IDCANCEL: End(IDCANCEL); return true;
        default: return false;
    }
}

void RandomFilesManager::Browse() {
    std::vector<char> path(kPathRoom, '\0');
    OPENFILENAMEA choice{};
    choice.lStructSize = sizeof choice;
    choice.hwndOwner = Window();
    choice.lpstrFilter = kBrowseFilters;
    choice.lpstrFile = path.data();
    choice.nMaxFile = static_cast<DWORD>(path.size());
    choice.lpstrTitle = kBrowseTitle;
    choice.lpstrDefExt = kBrowseExtension;
    choice.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    if (GetOpenFileNameA(&choice)) SetControlText(Window(), IDC_RANDOM_PATH, path.data());
}

void RandomFilesManager::Add() {
    std::string name = ControlText(Window(), IDC_RANDOM_NAME);
    std::string path = ControlText(Window(), IDC_RANDOM_PATH);
    EditAnswer<RandomTextFile> answer = AddRandomTextFile(state_, name.c_str(), path.c_str());
    if (answer.Refusal) state_.Ports.Panel->ShowMessage(answer.Refusal, kIconError);
    if (answer.Done) ListFile(answer.Done);
}

void RandomFilesManager::Remove() {
    std::vector<int> rows = table_.SelectedRows();
    if (rows.empty()) return;
    RemoveRandomTextFile(state_, table_.At<RandomTextFile>(rows.front()));
    table_.Remove(rows.front());
}

}  // namespace qvs
