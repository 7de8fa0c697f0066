// The "Hold Queue" page of the Options tabs.
#pragma once
#include "panel/framework/channel_page.h"

namespace qvs {

class HoldQueuePage final : public ChannelPage {
public:
    explicit HoldQueuePage(ModuleState& state);
};

}  // namespace qvs
