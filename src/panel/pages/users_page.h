// The "Users" page of the main tabs: the user groups of the selected
// channel.
#pragma once
#include "panel/framework/channel_page.h"

namespace qvs {

class UsersPage final : public ChannelPage {
public:
    explicit UsersPage(ModuleState& state);
};

}  // namespace qvs
