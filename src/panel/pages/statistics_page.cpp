#include "panel/pages/statistics_page.h"

#include "panel/pages/statistics_page_resource.h"

namespace qvs {

StatisticsPage::StatisticsPage() : DialogBase(IDD_PAGE_STATISTICS) {}

}  // namespace qvs
