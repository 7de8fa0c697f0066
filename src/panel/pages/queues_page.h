// The "Queues" page of the main tabs: a tab control of its own with the
// "List Queue", "S. Queue" and "Op/Voice Queue" pages, and the regular-queue
// page that the tabs of the served channels show.
#pragma once
#include "panel/framework/tabbed_dialog.h"
#include "panel/pages/list_queue_page.h"
#include "panel/pages/opvoice_queue_page.h"
#include "panel/pages/regular_queue_page.h"
#include "panel/pages/squeue_page.h"

namespace qvs {

class QueuesPage final : public TabbedDialog {
public:
    QueuesPage();
    HWND RegularQueue() const { return regularQueue_.Window(); }

private:
    bool OnInit() override;

    ListQueuePage listQueue_;
    SQueuePage sQueue_;
    OpVoiceQueuePage opVoiceQueue_;
    RegularQueuePage regularQueue_;
};

}  // namespace qvs
