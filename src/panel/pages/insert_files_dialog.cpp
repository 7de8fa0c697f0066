#include "panel/pages/insert_files_dialog.h"

#include <commdlg.h>

#include "hostlink/chosen_files.h"
#include "panel/framework/control_io.h"
#include "panel/pages/insert_files_dialog_resource.h"

namespace qvs {
namespace {

// Room for the paths of many files chosen at once.
constexpr std::size_t kChosenFilesRoom = 65536;
constexpr char kAllFiles[] = "All Files\0*.*\0";

const ListColumnSpec kColumns[] = {{"Nick", 90, LVCFMT_LEFT}, {"File", 330, LVCFMT_LEFT}};

std::vector<std::string> ChooseFiles(HWND owner) {
    std::vector<char> buffer(kChosenFilesRoom, '\0');
    OPENFILENAMEA box{};
    box.lStructSize = sizeof box;
    box.hwndOwner = owner;
    box.lpstrFilter = kAllFiles;
    box.lpstrFile = buffer.data();
    box.nMaxFile = static_cast<DWORD>(buffer.size());
    box.Flags = OFN_ALLOWMULTISELECT | OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
    if (!GetOpenFileNameA(&box)) return {};
    return ChosenFilePaths(buffer.data(), buffer.size());
}

}  // namespace

InsertFilesDialog::InsertFilesDialog() : DialogBase(IDD_INSERT_FILES) {}

bool InsertFilesDialog::Ask(HINSTANCE instance, HWND owner, std::vector<std::string> nicks,
                            std::vector<InsertRow>& rows) {
    if (IsOpen()) return false;
    nicks_ = std::move(nicks);
    rows_.clear();
    bool accepted = RunModal(instance, owner) == IDOK;
    if (accepted) rows = std::move(rows_);
    rows_.clear();
    return accepted;
}

bool InsertFilesDialog::OnInit() {
    table_.Attach(Item(IDC_INSERT_ROWS), kColumns);
    HWND box = Item(IDC_INSERT_NICK);
    for (const std::string& nick : nicks_) SendMessageA(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(nick.c_str()));
    SendMessageA(box, CB_SETCURSEL, 0, 0);
    return true;
}

bool InsertFilesDialog::OnCommand(int id, int) {
    switch (id) {
        case IDC_INSERT_ADD: AddFiles(); return true;
        case IDC_INSERT_DELETE: DeleteSelected(); return true;
        case IDOK:
        case IDCANCEL: End(id); return true;
        default: return false;
    }
}

// The files go to the nick chosen; without one there is nobody to send to.
void InsertFilesDialog::AddFiles() {
    std::string nick = ControlText(Window(), IDC_INSERT_NICK);
    if (nick.empty()) return;
    for (const std::string& path : ChooseFiles(Window())) AddRow(nick, path);
}

void InsertFilesDialog::AddRow(const std::string& nick, const std::string& path) {
    int row = table_.Append(nullptr);
    table_.SetCell(row, 0, nick.c_str());
    table_.SetCell(row, 1, path.c_str());
    rows_.push_back({nick, path});
}

void InsertFilesDialog::DeleteSelected() {
    std::vector<int> selected = table_.SelectedRows();
    for (auto row = selected.rbegin(); row != selected.rend(); ++row) {
        table_.Remove(*row);
        rows_.erase(rows_.begin() + *row);
    }
}

}  // namespace qvs
