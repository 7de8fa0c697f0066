#include "panel/pages/options_page.h"

#include "panel/pages/options_page_resource.h"

namespace qvs {

OptionsPage::OptionsPage(ModuleState& state)
    : TabbedDialog(IDD_PAGE_OPTIONS, IDC_OPTIONS_TAB), sharing_(state), misc_(state), resend_(state), holdQueue_(state) {}

bool OptionsPage::OnInit() {
    const TabPage pages[] = {{"Sharing", &sharing_}, {"Misc.", &misc_}, {"Resend", &resend_}, {"Hold Queue", &holdQueue_}};
    AddPages(pages);
    return false;
}

}  // namespace qvs
