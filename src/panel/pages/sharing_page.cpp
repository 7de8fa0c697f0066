#include "panel/pages/sharing_page.h"

#include "panel/pages/sharing_page_resource.h"

namespace qvs {

SharingPage::SharingPage() : DialogBase(IDD_PAGE_SHARING) {}

}  // namespace qvs
