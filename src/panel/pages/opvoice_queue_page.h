// The "Op/Voice Queue" page of the Queues tabs: the op/voice queue of the
// selected channel.
#pragma once
#include "panel/framework/channel_page.h"

namespace qvs {

class OpVoiceQueuePage final : public ChannelPage {
public:
    explicit OpVoiceQueuePage(ModuleState& state);
};

}  // namespace qvs
