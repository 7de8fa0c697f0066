#include "panel/pages/advertisement_page.h"

#include "panel/pages/advertisement_page_resource.h"

namespace qvs {

AdvertisementPage::AdvertisementPage() : DialogBase(IDD_PAGE_ADVERTISEMENT) {}

}  // namespace qvs
