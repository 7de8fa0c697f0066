// The "Sharing" page of the Options tabs.
#pragma once
#include "panel/framework/channel_page.h"

namespace qvs {

class SharingPage final : public ChannelPage {
public:
    explicit SharingPage(ModuleState& state);
};

}  // namespace qvs
