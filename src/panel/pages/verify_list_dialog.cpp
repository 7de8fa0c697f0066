#include "panel/pages/verify_list_dialog.h"

#include <shellapi.h>

#include "panel/pages/verify_list_dialog_resource.h"

namespace qvs {
namespace {

constexpr ListColumnSpec kEntryColumns[] = {{"Filename", 400, LVCFMT_LEFT}, {"Path", 400, LVCFMT_LEFT}};

}  // namespace

void OpenWithShell(HWND owner, const std::string& path) {
    ShellExecuteA(owner, "open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

VerifyListDialog::VerifyListDialog() : DialogBase(IDD_VERIFY_LIST) {}

void VerifyListDialog::Run(ModuleState& state, HINSTANCE instance, HWND owner, const FileList* list) {
    state_ = &state;
    list_ = list;
    entries_.clear();
    if (!VerifyList(state, list, entries_) || entries_.empty()) return;
    RunModal(instance, owner);
    entries_.clear();
}

bool VerifyListDialog::OnInit() {
    view_.Attach(Item(IDC_VERIFY_ENTRIES), kEntryColumns);
    for (const InvalidEntry& entry : entries_) {
        int row = view_.Append(&entry);
        view_.SetCell(row, 0, entry.Name.c_str());
        view_.SetCell(row, 1, entry.Folder.c_str());
    }
    return true;
}

void VerifyListDialog::SaveReport() {
    std::string path = SaveInvalidReport(*state_, list_, entries_);
    if (!path.empty()) OpenWithShell(Window(), path);
}

bool VerifyListDialog::OnCommand(int id, int) {
    switch (id) {
        case IDC_VERIFY_RENAME: AutoRename(*state_, entries_); End(IDOK); return true;
        case IDC_VERIFY_SAVE: SaveReport(); return true;
        case IDCANCEL: End(IDCANCEL); return true;
        default: return false;
    }
}

}  // namespace qvs
