// The "Misc." page of the Options tabs.
#pragma once
#include "panel/framework/channel_page.h"

namespace qvs {

class MiscPage final : public ChannelPage {
public:
    explicit MiscPage(ModuleState& state);
};

}  // namespace qvs
