// The "Op/Voice Queue" page of the Queues tabs: the op/voice queue of the
// selected channel, with who it favours and its slots.
#pragma once
#include "panel/pages/channel_queue_page.h"

namespace qvs {

class OpVoiceQueuePage final : public ChannelQueuePage {
public:
    OpVoiceQueuePage(ModuleState& state, PanelState& ui);
};

}  // namespace qvs
