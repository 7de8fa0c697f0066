// A page of the Queues tabs whose queue belongs to the selected channel
// (the small-file and the op/voice queue): the queue's view above the
// channel's settings for that queue.
#pragma once
#include "panel/framework/channel_page.h"
#include "panel/pages/queue_view.h"

namespace qvs {

class ChannelQueuePage : public ChannelPage {
public:
    QueueView& View() { return view_; }

protected:
    template <int N>
    ChannelQueuePage(int templateId, QueueKind kind, ModuleState& state, PanelState& ui,
                     const Binding<ChannelConfig> (&table)[N])
        : ChannelPage(templateId, state, table), kind_(kind), view_(state, ui, kind) {}

private:
    bool OnPageInit() override;
    void OnFill(ChannelConfig& config) override;
    void OnClear() override;
    bool OnNotify(const NMHDR& notice) override { return view_.OnNotify(notice); }
    bool OnMessage(UINT message, WPARAM first, LPARAM second) override { return view_.OnMessage(message, first, second); }

    QueueKind kind_;
    QueueView view_;
};

}  // namespace qvs
