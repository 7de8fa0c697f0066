#include "panel/pages/global_page.h"

#include "panel/pages/global_page_resource.h"

namespace qvs {

GlobalPage::GlobalPage(ModuleState& state)
    : TabbedDialog(IDD_PAGE_GLOBAL, IDC_GLOBAL_TAB), general_(state), floodControl_(state) {}

bool GlobalPage::OnInit() {
    const TabPage pages[] = {{"General", &general_}, {"Flood Control", &floodControl_}};
    AddPages(pages);
    return false;
}

}  // namespace qvs
