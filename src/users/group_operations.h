// Changes to user groups, their members, the pool of available nicks and the
// channels' group selections, with the uniqueness rules the User Manager and
// the channel's Users page rely on. Refusals are told in an error box.
#pragma once
#include <vector>

#include "model/module_state.h"

namespace qvs {

extern const char kNickAlreadyAvailableMessage[];
extern const char kDuplicateGroupMessage[];
extern const char kOverlappingGroupsMessage[];

// The pool keeps each nick once (without regard to case); null when the nick
// is empty or already there.
NameNode* AddAvailableNick(ModuleState& state, const char* nick);
// Group members keep their copies.
void RemoveAvailableNick(ModuleState& state, NameNode* nick);
// A member copied back into the pool; nothing when the pool has it.
void CopyMemberToPool(ModuleState& state, const char* nick);

// Whether the group is still one of the module's: a window may hold a
// group that was deleted meanwhile.
bool HoldsGroup(const ModuleState& state, const UserGroup* group);

// Group names are unique without regard to case; null or false when taken
// or empty.
UserGroup* AddUserGroup(ModuleState& state, const char* name);
bool RenameUserGroup(ModuleState& state, UserGroup* group, const char* name);
// Every channel's selection of the group goes first, so no entry keeps it.
void DeleteUserGroup(ModuleState& state, UserGroup* group);

// A copy of the nick, unless the group has it already.
bool AddGroupMember(UserGroup* group, const char* nick);
void RemoveGroupMember(UserGroup* group, NameNode* member);

// Adds each group in order with the defaults for new selections, unless one
// of its members is already in a group of the channel (counting the groups
// just added); returns the refused ones.
std::vector<UserGroup*> AddGroupsToChannel(ModuleState& state, ChannelConfig* config,
                                           const std::vector<UserGroup*>& groups);
// Entries that carry the selection keep their place and lose its settings.
void RemoveGroupSelection(ModuleState& state, GroupSelection* selection);

}  // namespace qvs
