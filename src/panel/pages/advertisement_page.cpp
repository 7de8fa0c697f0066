#include "panel/pages/advertisement_page.h"

#include "panel/pages/advertisement_page_resource.h"

namespace qvs {

AdvertisementPage::AdvertisementPage(ModuleState& state) : ChannelPage(IDD_PAGE_ADVERTISEMENT, state) {}

}  // namespace qvs
