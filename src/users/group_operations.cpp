#include "users/group_operations.h"

#include <cstring>
#include <string>

#include "model/memory.h"
#include "model/queue_ops.h"
#include "ports/panel_port.h"
#include "users/group_membership.h"

namespace qvs {

const char kNickAlreadyAvailableMessage[] = "%s is already in the Available Nick list";
const char kDuplicateGroupMessage[] = "Duplicate group name";
const char kOverlappingGroupsMessage[] =
    "Users in these groups are already present in the groups currently selected into the channel";

namespace {

// The edit fields these names come from hold at most this many characters.
constexpr std::size_t kMaxEditText = 99;

std::string EditText(const char* text) { return text ? std::string(text, strnlen(text, kMaxEditText)) : ""; }

NameNode* FindName(const List<NameNode>& names, const char* name) {
    for (NameNode* node = names.Head; node; node = node->Next)
        if (node->Value.Equals(name)) return node;
    return nullptr;
}

NameNode* AppendName(List<NameNode>& names, const std::string& name) {
    NameNode* node = NewRecord<NameNode>();
    if (!node) return nullptr;
    node->Value.Set(name.c_str());
    names.PushBack(node);
    return node;
}

UserGroup* FindGroup(const ModuleState& state, const char* name) {
    for (UserGroup* group = state.UserGroups.Head; group; group = group->Next)
        if (group->GroupName.Equals(name)) return group;
    return nullptr;
}

void ShowError(ModuleState& state, const char* text) { state.Ports.Panel->ShowMessage(text, kIconError); }

bool GroupNameFree(ModuleState& state, const std::string& name, const UserGroup* renamed) {
    UserGroup* holder = FindGroup(state, name.c_str());
    if (!holder || holder == renamed) return true;
    ShowError(state, kDuplicateGroupMessage);
    return false;
}

bool SharesMember(const UserGroup* group, const ChannelConfig* config) {
    for (const NameNode* member = group->Members.Head; member; member = member->Next)
        if (FindGroupSelection(config, member->Value.c_str())) return true;
    return false;
}

bool IsSelected(const ChannelConfig* config, const UserGroup* group) {
    for (const GroupSelection* selection = config->UserGroupLinks.Head; selection; selection = selection->Next)
        if (selection->Group == group) return true;
    return false;
}

void SelectGroup(ModuleState& state, ChannelConfig* config, UserGroup* group) {
    GroupSelection* selection = NewRecord<GroupSelection>();
    if (!selection) return;
    const GroupSelectionDefaults& defaults = state.NewGroupDefaults;
    selection->Group = group;
    selection->Config = config;
    selection->QueueSize = defaults.QueueSizeOverride;
    selection->BatchSize = defaults.BatchSizeOverride;
    selection->Priority = defaults.Priority;
    selection->Ignored = defaults.Ignored;
    selection->TreatAs = defaults.TreatAs;
    config->UserGroupLinks.PushBack(selection);
}

}  // namespace

NameNode* AddAvailableNick(ModuleState& state, const char* nick) {
    std::string name = EditText(nick);
    if (name.empty()) return nullptr;
    if (FindName(state.AvailableNicks, name.c_str())) {
        std::string text = kNickAlreadyAvailableMessage;
        text.replace(text.find("%s"), 2, name);
        ShowError(state, text.c_str());
        return nullptr;
    }
    return AppendName(state.AvailableNicks, name);
}

void RemoveAvailableNick(ModuleState& state, NameNode* nick) {
    state.AvailableNicks.Unlink(nick);
    DeleteRecord(nick);
}

void CopyMemberToPool(ModuleState& state, const char* nick) {
    if (nick && *nick && !FindName(state.AvailableNicks, nick)) AppendName(state.AvailableNicks, nick);
}

UserGroup* AddUserGroup(ModuleState& state, const char* name) {
    std::string text = EditText(name);
    if (text.empty() || !GroupNameFree(state, text, nullptr)) return nullptr;
    UserGroup* group = NewRecord<UserGroup>();
    if (!group) return nullptr;
    group->GroupName.Set(text.c_str());
    state.UserGroups.PushBack(group);
    return group;
}

bool RenameUserGroup(ModuleState& state, UserGroup* group, const char* name) {
    std::string text = EditText(name);
    if (text.empty() || !GroupNameFree(state, text, group)) return false;
    group->GroupName.Set(text.c_str());
    return true;
}

void DeleteUserGroup(ModuleState& state, UserGroup* group) {
    for (ChannelConfig* config = state.ChannelConfigs.Head; config; config = config->Next) {
        GroupSelection* selection = config->UserGroupLinks.Head;
        while (selection) {
            GroupSelection* next = selection->Next;
            if (selection->Group == group) RemoveGroupSelection(state, selection);
            selection = next;
        }
    }
    state.UserGroups.Unlink(group);
    group->Members.ReleaseAll([](NameNode* member) { DeleteRecord(member); });
    DeleteRecord(group);
}

bool AddGroupMember(UserGroup* group, const char* nick) {
    if (!group || !nick || !*nick || GroupHasMember(group, nick)) return false;
    return AppendName(group->Members, nick) != nullptr;
}

void RemoveGroupMember(UserGroup* group, NameNode* member) {
    group->Members.Unlink(member);
    DeleteRecord(member);
}

std::vector<UserGroup*> AddGroupsToChannel(ModuleState& state, ChannelConfig* config,
                                           const std::vector<UserGroup*>& groups) {
    std::vector<UserGroup*> refused;
    for (UserGroup* group : groups) {
        if (IsSelected(config, group)) continue;
        if (SharesMember(group, config))
            refused.push_back(group);
        else
            SelectGroup(state, config, group);
    }
    if (!refused.empty()) ShowError(state, kOverlappingGroupsMessage);
    return refused;
}

void RemoveGroupSelection(ModuleState& state, GroupSelection* selection) {
    // Entries that carry the selection keep their place, without its settings.
    VisitAllEntries(state, [selection](QueueEntry* entry) {
        if (entry->Group == selection) entry->Group = nullptr;
    });
    if (selection->Config) selection->Config->UserGroupLinks.Unlink(selection);
    DeleteRecord(selection);
}

bool HoldsGroup(const ModuleState& state, const UserGroup* group) {
    for (const UserGroup* held = state.UserGroups.Head; held; held = held->Next)
        if (held == group) return true;
    return false;
}

}  // namespace qvs
