#include "panel/pages/squeue_page.h"

#include "panel/pages/squeue_page_resource.h"

namespace qvs {

SQueuePage::SQueuePage(ModuleState& state) : ChannelPage(IDD_PAGE_SQUEUE, state) {}

}  // namespace qvs
