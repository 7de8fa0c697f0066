#include "persistence/channel_selections.h"

#include "model/channel_config.h"
#include "model/memory.h"
#include "persistence/numbered_elements.h"

namespace qvs {
namespace {

constexpr char kGroupStorage[] = "ChanGroupStg";
constexpr char kGroupCountKey[] = "ChanGroupNo";
constexpr char kGroupNameKey[] = "GroupName";
constexpr char kListStorage[] = "List";
constexpr char kListCountKey[] = "ChanListNo";
constexpr char kOptionSuffix[] = "_Option";
constexpr char kAdStorage[] = "ChanAds";
constexpr char kAdCountKey[] = "ChanAdsNo";
constexpr char kAdGroupNameKey[] = "AdsGroupName";

constexpr NameListLayout kNetworks{"Network", "NetworkCount", kFromOne, StringForm::Terminated, false};
constexpr NameListLayout kSearchTriggers{"SearchTrigger", "TriggerCount", kFromOne, StringForm::Terminated, true};

template <typename Keys, typename Record>
void GroupSelectionKeys(const Keys& keys, Record& selection) {
    keys.Dword("QueueSize", selection.QueueSize);
    keys.Dword("BatchSize", selection.BatchSize);
    keys.Dword("Ignored", selection.Ignored);
    keys.Dword("Priority", selection.Priority);
    keys.Dword("TreatAs", selection.TreatAs);
}

template <typename Keys, typename Record>
void AdSelectionKeys(const Keys& keys, Record& selection) {
    keys.Dword("DisplayWhen", selection.DisplayWhen);
    keys.Dword("DisplayMethod", selection.DisplayMethod);
    keys.Dword("RunAfter", selection.RunAfter);
    keys.String("Trigger", selection.Trigger, StringForm::Optional);
    keys.Dword("Enable", selection.Enable);
}

// A stored name; absent when its stream is.
Text StoredName(const StorageRef& storage, const char* key, StringForm form) {
    Text name;
    ReadString(storage, key, name, form);
    return name;
}

// The record a selection names: the first whose name equals the stored one.
template <typename T>
T* FindByName(const List<T>& records, Text T::*field, const Text& name) {
    if (name.IsNone()) return nullptr;
    for (T* record = records.Head; record; record = record->Next)
        if ((record->*field).Equals(name.c_str())) return record;
    return nullptr;
}

void WriteGroupSelections(const StorageRef& channel, const ChannelConfig& config) {
    if (!config.UserGroupLinks.Empty()) {
        StorageRef groups = channel.CreateStorage(kGroupStorage);
        WriteNumberedStorages(groups, kFromZero, config.UserGroupLinks,
                              [](const StorageRef& child, const GroupSelection& selection) {
                                  WriteString(child, kGroupNameKey, selection.Group->GroupName, StringForm::Bare);
                                  GroupSelectionKeys(KeyWriter(child), selection);
                              });
    }
    WriteDword(channel, kGroupCountKey, config.UserGroupLinks.Count);
}

void ReadGroupSelections(ModuleState& state, const StorageRef& channel, ChannelConfig& config) {
    uint32_t count = ReadCount(channel, kGroupCountKey);
    if (count == 0) return;
    ReadNumberedStorages(channel.OpenStorage(kGroupStorage), kFromZero, count, [&](const StorageRef& child) {
        UserGroup* group = FindByName(state.UserGroups, &UserGroup::GroupName,
                                      StoredName(child, kGroupNameKey, StringForm::Bare));
        GroupSelection* selection = group ? NewRecord<GroupSelection>() : nullptr;
        if (!selection) return;
        selection->Group = group;
        selection->Config = &config;
        GroupSelectionKeys(KeyReader(child), *selection);
        config.UserGroupLinks.PushBack(selection);
    });
}

void WriteListSelections(const StorageRef& channel, const ChannelConfig& config) {
    {
        StorageRef lists = channel.CreateStorage(kListStorage);
        uint32_t number = kFromOne;
        for (const ListSelection* selection = config.FileListLinks.Head; selection; selection = selection->Next) {
            WriteString(lists, ElementName(number).c_str(), selection->List->ListName, StringForm::Terminated);
            WriteDword(lists, ElementName(number, kOptionSuffix).c_str(), selection->AccessMode);
            ++number;
        }
    }
    WriteDword(channel, kListCountKey, config.FileListLinks.Count);
}

void ReadListSelections(ModuleState& state, const StorageRef& channel, ChannelConfig& config) {
    uint32_t count = ReadCount(channel, kListCountKey);
    StorageRef lists = count ? channel.OpenStorage(kListStorage) : StorageRef();
    if (!lists) return;
    ForEachNumber(kFromOne, count, [&](uint32_t number) {
        Text name = StoredName(lists, ElementName(number).c_str(), StringForm::Terminated);
        if (name.IsNone()) return false;
        FileList* list = FindByName(state.FileLists, &FileList::ListName, name);
        ListSelection* selection = list ? SelectFileList(config, *list) : nullptr;
        // A missing option leaves the selection's default, both windows.
        if (selection) ReadDword(lists, ElementName(number, kOptionSuffix).c_str(), selection->AccessMode);
        return true;
    });
}

void WriteAdSelections(const StorageRef& channel, const ChannelConfig& config) {
    {
        StorageRef ads = channel.CreateStorage(kAdStorage);
        WriteNumberedStorages(ads, kFromOne, config.AdGroupLinks,
                              [](const StorageRef& child, const AdGroupSelection& selection) {
                                  WriteString(child, kAdGroupNameKey, selection.Group->AdsGroupName,
                                              StringForm::Terminated);
                                  AdSelectionKeys(KeyWriter(child), selection);
                              });
    }
    WriteDword(channel, kAdCountKey, config.AdGroupLinks.Count);
}

void ReadAdSelections(ModuleState& state, const StorageRef& channel, ChannelConfig& config) {
    uint32_t count = ReadCount(channel, kAdCountKey);
    if (count == 0) return;
    ReadNumberedStorages(channel.OpenStorage(kAdStorage), kFromOne, count, [&](const StorageRef& child) {
        AdGroup* group = FindByName(state.AdGroups, &AdGroup::AdsGroupName,
                                    StoredName(child, kAdGroupNameKey, StringForm::Terminated));
        AdGroupSelection* selection = group ? SelectAdGroup(config, *group) : nullptr;
        if (selection) AdSelectionKeys(KeyReader(child), *selection);
    });
}

}  // namespace

void WriteChannelSelections(const StorageRef& channel, const ChannelConfig& config) {
    WriteGroupSelections(channel, config);
    WriteNameList(channel, kNetworks, config.Networks);
    WriteListSelections(channel, config);
    WriteAdSelections(channel, config);
    WriteNameList(channel, kSearchTriggers, config.SearchTriggers);
}

void ReadChannelSelections(ModuleState& state, const StorageRef& channel, ChannelConfig& config) {
    ReadGroupSelections(state, channel, config);
    ReadNameList(channel, kNetworks, config.Networks);
    ReadListSelections(state, channel, config);
    ReadAdSelections(state, channel, config);
    ReadNameList(channel, kSearchTriggers, config.SearchTriggers);
}

}  // namespace qvs
