// The "Op/Voice Queue" page of the Queues tabs: the op/voice queue of the
// selected channel, with who it favours and its slots.
#pragma once
#include "panel/framework/channel_page.h"
#include "panel/pages/queue_view.h"

namespace qvs {

class OpVoiceQueuePage final : public ChannelPage {
public:
    OpVoiceQueuePage(ModuleState& state, PanelState& ui);
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
