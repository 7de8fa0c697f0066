#include "panel/pages/misc_page.h"

#include "panel/pages/misc_page_resource.h"

namespace qvs {

MiscPage::MiscPage() : DialogBase(IDD_PAGE_MISC) {}

}  // namespace qvs
