#include "panel/pages/sharing_page.h"

#include "panel/pages/sharing_page_resource.h"

namespace qvs {

SharingPage::SharingPage(ModuleState& state) : ChannelPage(IDD_PAGE_SHARING, state) {}

}  // namespace qvs
