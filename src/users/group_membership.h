// Which user group a nick belongs to in a channel.
#pragma once
#include "model/records.h"

namespace qvs {

bool GroupHasMember(const UserGroup* group, const char* nick);

// The first selection of the channel, in selection order, whose group holds
// the nick; null when none does.
GroupSelection* FindGroupSelection(const ChannelConfig* config, const char* nick);

// Whether the nick is a member of any group the channel ignores. Membership
// of another, earlier group does not shield it.
bool IsIgnoredNick(const ChannelConfig* config, const char* nick);

}  // namespace qvs
