#include "panel/pages/misc_page.h"

#include "panel/pages/misc_page_resource.h"

namespace qvs {

MiscPage::MiscPage(ModuleState& state) : ChannelPage(IDD_PAGE_MISC, state) {}

}  // namespace qvs
