// The "S. Queue" page of the Queues tabs: the small-file queue of the
// selected channel.
#pragma once
#include "panel/framework/channel_page.h"

namespace qvs {

class SQueuePage final : public ChannelPage {
public:
    explicit SQueuePage(ModuleState& state);
};

}  // namespace qvs
