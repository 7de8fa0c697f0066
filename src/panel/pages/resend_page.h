// The "Resend" page of the Options tabs.
#pragma once
#include "panel/framework/channel_page.h"

namespace qvs {

class ResendPage final : public ChannelPage {
public:
    explicit ResendPage(ModuleState& state);
};

}  // namespace qvs
