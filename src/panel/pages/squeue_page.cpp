#include "panel/pages/squeue_page.h"

#include "panel/pages/squeue_page_resource.h"

namespace qvs {

SQueuePage::SQueuePage() : DialogBase(IDD_PAGE_SQUEUE) {}

}  // namespace qvs
