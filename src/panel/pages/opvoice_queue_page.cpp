#include "panel/pages/opvoice_queue_page.h"

#include "panel/pages/opvoice_queue_page_resource.h"

namespace qvs {

OpVoiceQueuePage::OpVoiceQueuePage(ModuleState& state) : ChannelPage(IDD_PAGE_OPVOICE_QUEUE, state) {}

}  // namespace qvs
