#include "users/group_membership.h"

namespace qvs {

bool GroupHasMember(const UserGroup* group, const char* nick) {
    if (!group) return false;
    for (const NameNode* member = group->Members.Head; member; member = member->Next)
        if (member->Value.Equals(nick)) return true;
    return false;
}

GroupSelection* FindGroupSelection(const ChannelConfig* config, const char* nick) {
    for (GroupSelection* selection = config->UserGroupLinks.Head; selection; selection = selection->Next)
        if (GroupHasMember(selection->Group, nick)) return selection;
    return nullptr;
}

bool IsIgnoredNick(const ChannelConfig* config, const char* nick) {
    for (const GroupSelection* selection = config->UserGroupLinks.Head; selection; selection = selection->Next)
        if (selection->Ignored == 1 && GroupHasMember(selection->Group, nick)) return true;
    return false;
}

}  // namespace qvs
