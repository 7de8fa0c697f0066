// The "S. Queue" page of the Queues tabs: the small-file queue of the
// selected channel, with its switch, slots and the largest file it takes.
#pragma once
#include "panel/pages/channel_queue_page.h"

namespace qvs {

class SQueuePage final : public ChannelQueuePage {
public:
    SQueuePage(ModuleState& state, PanelState& ui);
};

}  // namespace qvs
