#include "panel/pages/flood_control_page.h"

#include "panel/pages/flood_control_page_resource.h"

namespace qvs {

FloodControlPage::FloodControlPage() : DialogBase(IDD_PAGE_FLOOD_CONTROL) {}

}  // namespace qvs
