#include "panel/pages/hold_queue_page.h"

#include "panel/pages/hold_queue_page_resource.h"

namespace qvs {

HoldQueuePage::HoldQueuePage(ModuleState& state) : ChannelPage(IDD_PAGE_HOLD_QUEUE, state) {}

}  // namespace qvs
