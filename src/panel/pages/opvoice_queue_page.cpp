#include "panel/pages/opvoice_queue_page.h"

#include "panel/pages/opvoice_queue_page_resource.h"

namespace qvs {

OpVoiceQueuePage::OpVoiceQueuePage() : DialogBase(IDD_PAGE_OPVOICE_QUEUE) {}

}  // namespace qvs
