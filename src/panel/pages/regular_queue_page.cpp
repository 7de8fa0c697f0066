#include "panel/pages/regular_queue_page.h"

#include "panel/pages/regular_queue_page_resource.h"

namespace qvs {

RegularQueuePage::RegularQueuePage() : DialogBase(IDD_PAGE_REGULAR_QUEUE) {}

}  // namespace qvs
