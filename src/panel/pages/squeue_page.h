// The "S. Queue" page of the Queues tabs: the small-file queue of the
// selected channel, with its switch, slots and the largest file it takes.
#pragma once
#include "panel/framework/channel_page.h"
#include "panel/pages/queue_view.h"

namespace qvs {

class SQueuePage final : public ChannelPage {
public:
    SQueuePage(ModuleState& state, PanelState& ui);
    QueueView& View() { return view_; }

private:
    bool OnPageInit() override;
    void OnFill(ChannelConfig& config) override;
    void OnClear() override;
    bool OnNotify(const NMHDR& notice) override { return view_.OnNotify(notice); }
    bool OnMessage(UINT message, WPARAM first, LPARAM second) override { return view_.OnMessage(message, first, second); }

    QueueView view_;
};

}  // namespace qvs
