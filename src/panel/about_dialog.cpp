#include "panel/about_dialog.h"

#include "model/module_state.h"
#include "panel/about_dialog_resource.h"

namespace qvs {

AboutDialog::AboutDialog() : DialogBase(IDD_ABOUT) {}

bool AboutDialog::OnInit() {
    SetDlgItemTextA(Window(), IDC_ABOUT_NAME, kAppName);
    return true;
}

bool AboutDialog::OnCommand(int id, int) {
    if (id == IDOK || id == IDCANCEL) End(id);
    return true;
}

}  // namespace qvs
