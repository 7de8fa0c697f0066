#include "persistence/user_file.h"

#include "model/channel_config.h"
#include "persistence/config_file.h"
#include "persistence/numbered_elements.h"

namespace qvs {
namespace {

constexpr char kFreeNicksStorage[] = "FreeNicks";
constexpr char kGroupsStorage[] = "UserGroups";
constexpr char kNodeCountKey[] = "NumberOfNode";
constexpr char kGroupNameKey[] = "GroupName";
constexpr char kNickKey[] = "Nick";

// Global settings: a missing key keeps the current value.
template <typename Keys, typename Record>
void DefaultsKeys(const Keys& keys, Record& defaults) {
    keys.Setting("QueueSizeOverride", defaults.QueueSizeOverride);
    keys.Setting("BatchSizeOverride", defaults.BatchSizeOverride);
    keys.Setting("Priority", defaults.Priority);
    keys.Setting("Ignored", defaults.Ignored);
    keys.Setting("TreatAs", defaults.TreatAs);
}

// Nicks are kept one per numbered sub-storage, each holding a "Nick" stream.
void WriteNicks(const StorageRef& storage, const List<NameNode>& nicks) {
    WriteNumberedStorages(storage, kFromZero, nicks, [](const StorageRef& child, const NameNode& nick) {
        WriteString(child, kNickKey, nick.Value, StringForm::Bare);
    });
}

// A sub-storage without its "Nick" stream holds no nick and is skipped.
void ReadNicks(const StorageRef& storage, List<NameNode>& nicks) {
    ReadNumberedStorages(storage, kFromZero, ReadCount(storage, kNodeCountKey), [&](const StorageRef& child) {
        Text nick;
        if (ReadString(child, kNickKey, nick, StringForm::Bare)) AppendName(nicks, nick.c_str());
    });
}

void WriteGroup(const StorageRef& storage, const UserGroup& group) {
    WriteString(storage, kGroupNameKey, group.GroupName, StringForm::Bare);
    WriteNicks(storage, group.Members);
    WriteDword(storage, kNodeCountKey, group.Members.Count);
}

void ReadGroup(const StorageRef& storage, UserGroup& group) {
    KeyReader(storage).String(kGroupNameKey, group.GroupName, StringForm::Bare);
    ReadNicks(storage, group.Members);
}

}  // namespace

bool SaveUserGroups(ModuleState& state) {
    return SaveConfigFile(state, kUserFile, nullptr, [&](const StorageRef& root) {
        DefaultsKeys(KeyWriter(root), state.NewGroupDefaults);
        {
            StorageRef freeNicks = root.CreateStorage(kFreeNicksStorage);
            WriteDword(freeNicks, kNodeCountKey, state.AvailableNicks.Count);
            WriteNicks(freeNicks, state.AvailableNicks);
        }
        StorageRef groups = root.CreateStorage(kGroupsStorage);
        WriteNumberedStorages(groups, kFromZero, state.UserGroups, WriteGroup);
        WriteDword(groups, kNodeCountKey, state.UserGroups.Count);
    });
}

void LoadUserGroups(ModuleState& state) {
    StorageRef root = OpenConfigFile(state, kUserFile);
    if (!root) return;
    DefaultsKeys(KeyReader(root), state.NewGroupDefaults);
    ReadNicks(root.OpenStorage(kFreeNicksStorage), state.AvailableNicks);
    StorageRef groups = root.OpenStorage(kGroupsStorage);
    ReadNumberedRecords(groups, kFromZero, ReadCount(groups, kNodeCountKey), state.UserGroups, ReadGroup);
}

}  // namespace qvs
