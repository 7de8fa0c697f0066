// The "Statistics" page of the main tabs: the counters of the selected
// channel and of the module.
#pragma once
#include "panel/framework/channel_page.h"

namespace qvs {

class StatisticsPage final : public ChannelPage {
public:
    explicit StatisticsPage(ModuleState& state);
};

}  // namespace qvs
