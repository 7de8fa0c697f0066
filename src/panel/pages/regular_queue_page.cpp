#include "panel/pages/regular_queue_page.h"

#include "panel/pages/regular_queue_page_resource.h"
#include "requests/queue_insert.h"

namespace qvs {

RegularQueuePage::RegularQueuePage(ModuleState& state, PanelState& ui)
    : DialogBase(IDD_PAGE_REGULAR_QUEUE), state_(state), view_(state, ui, QueueKind::Regular) {}

bool RegularQueuePage::OnInit() {
    view_.Attach(Window());
    view_.AllowInsertAndDrag([this] { InsertFiles(); });
    return false;
}

void RegularQueuePage::ShowChannel(ServedChannel* channel) {
    channel_ = channel;
    ShownQueue shown{QueueKind::Regular, nullptr, channel};
    view_.Show(channel ? &shown : nullptr);
}

// The dialog's loop goes on handling events: the channel may be gone when
// the operator answers, which InsertFiles finds out.
void RegularQueuePage::InsertFiles() {
    ServedChannel* channel = channel_;
    std::vector<InsertRow> rows;
    if (!channel || !insert_.Ask(Instance(), Window(), ChannelNicks(state_, channel), rows)) return;
    qvs::InsertFiles(state_, channel, rows);
}

}  // namespace qvs
