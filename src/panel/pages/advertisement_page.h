// The "Advertisement" page of the main tabs: the advertisement groups of
// the selected channel.
#pragma once
#include "panel/framework/channel_page.h"

namespace qvs {

class AdvertisementPage final : public ChannelPage {
public:
    explicit AdvertisementPage(ModuleState& state);
};

}  // namespace qvs
