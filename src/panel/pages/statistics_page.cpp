#include "panel/pages/statistics_page.h"

#include "panel/pages/statistics_page_resource.h"

namespace qvs {

StatisticsPage::StatisticsPage(ModuleState& state) : ChannelPage(IDD_PAGE_STATISTICS, state) {}

}  // namespace qvs
