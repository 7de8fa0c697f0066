#include "panel/pages/list_queue_page.h"

#include "panel/pages/list_queue_page_resource.h"

namespace qvs {

ListQueuePage::ListQueuePage() : DialogBase(IDD_PAGE_LIST_QUEUE) {}

}  // namespace qvs
