#include "panel/pages/queues_page.h"

#include "panel/pages/queues_page_resource.h"

namespace qvs {

QueuesPage::QueuesPage() : TabbedDialog(IDD_PAGE_QUEUES, IDC_QUEUES_TAB) {}

bool QueuesPage::OnInit() {
    const TabPage pages[] = {{"List Queue", &listQueue_}, {"S. Queue", &sQueue_}, {"Op/Voice Queue", &opVoiceQueue_}};
    AddPages(pages);
    AddUntabbedPage(regularQueue_);
    return false;
}

}  // namespace qvs
