#include "panel/pages/general_page.h"

#include "panel/pages/general_page_resource.h"

namespace qvs {

GeneralPage::GeneralPage() : DialogBase(IDD_PAGE_GENERAL) {}

}  // namespace qvs
