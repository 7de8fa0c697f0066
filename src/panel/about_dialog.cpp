#include "panel/about_dialog.h"

#include "panel/about_dialog_resource.h"

namespace qvs {

AboutDialog::AboutDialog() : DialogBase(IDD_ABOUT) {}

bool AboutDialog::OnCommand(int id, int) {
    if (id == IDOK || id == IDCANCEL) End(id);
    return true;
}

}  // namespace qvs
