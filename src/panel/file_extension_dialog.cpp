#include "panel/file_extension_dialog.h"

#include "panel/file_extension_dialog_resource.h"
#include "panel/framework/control_io.h"

namespace qvs {

FileExtensionDialog::FileExtensionDialog() : DialogBase(IDD_FILE_EXTENSION) {}

void FileExtensionDialog::Run(HINSTANCE instance, HWND owner, std::function<void(const std::string&)> add) {
    add_ = std::move(add);
    RunModal(instance, owner);
}

void FileExtensionDialog::OnAdd() {
    add_(ControlText(Window(), IDC_EXTENSION_TEXT));
    SetControlText(Window(), IDC_EXTENSION_TEXT, "");
    SetFocus(Item(IDC_EXTENSION_TEXT));
}

bool FileExtensionDialog::OnCommand(int id, int) {
    if (id == IDC_EXTENSION_ADD || id == IDOK) OnAdd();
    if (id == IDCANCEL) End(IDCANCEL);
    return id == IDC_EXTENSION_ADD || id == IDOK || id == IDCANCEL;
}

}  // namespace qvs
