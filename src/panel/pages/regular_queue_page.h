// The regular-queue page: one page for every served channel of the
// selected channel, shown through the tab of the channel on the Queues page.
#pragma once
#include "model/records.h"
#include "panel/framework/dialog_base.h"

namespace qvs {

class RegularQueuePage final : public DialogBase {
public:
    RegularQueuePage();
    // The served channel whose queue the page shows (its tab was selected),
    // or null.
    void ShowChannel(ServedChannel* channel) { channel_ = channel; }
    ServedChannel* ShownChannel() const { return channel_; }

private:
    ServedChannel* channel_ = nullptr;
};

}  // namespace qvs
