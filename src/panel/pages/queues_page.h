// The "Queues" page of the main tabs: a tab control of its own with the
// "List Queue", "S. Queue" and "Op/Voice Queue" pages, then one tab per
// served channel of the current channel ("network : #channel"), each
// carrying its ServedChannel and showing the one shared regular-queue page.
#pragma once
#include "panel/framework/tabbed_dialog.h"
#include "panel/pages/list_queue_page.h"
#include "panel/pages/opvoice_queue_page.h"
#include "panel/pages/regular_queue_page.h"
#include "panel/pages/squeue_page.h"

namespace qvs {

class QueuesPage final : public TabbedDialog {
public:
    QueuesPage(ModuleState& state, PanelState& ui);
    HWND RegularQueue() const { return regularQueue_.Window(); }
    OpVoiceQueuePage& OpVoiceQueue() { return opVoiceQueue_; }
    SQueuePage& SQueue() { return sQueue_; }
    // The queue views of the four pages, for the core's notifications.
    template <class Call>
    void ForEachQueueView(Call call) {
        for (QueueView* view : {&listQueue_.View(), &sQueue_.View(), &opVoiceQueue_.View(), &regularQueue_.View()})
            call(*view);
    }
    // One tab per served channel of config (none for null), the selection
    // kept where it still exists.
    void RebuildChannelTabs(const ChannelConfig* config);
    // A served channel of the current channel comes or goes.
    void AddChannelTab(ServedChannel* channel);
    void RemoveChannelTab(ServedChannel* channel);

private:
    bool OnInit() override;
    void OnPageChanged(int index, HWND page) override;
    int TabOfChannel(const ServedChannel* channel) const;

    ListQueuePage listQueue_;
    SQueuePage sQueue_;
    OpVoiceQueuePage opVoiceQueue_;
    RegularQueuePage regularQueue_;
};

}  // namespace qvs
