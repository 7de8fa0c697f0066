#include "model/channel_config.h"

#include "model/memory.h"
#include "model/queue_ops.h"

namespace qvs {
namespace {

void ReleaseListSelection(ListSelection* selection) {
    if (selection->List && selection->Link) {
        selection->List->Channels.Unlink(selection->Link);
        DeleteRecord(selection->Link);
    }
    DeleteRecord(selection);
}

void ReleaseAdSelection(AdGroupSelection* selection) {
    if (selection->Group && selection->Link) {
        selection->Group->Channels.Unlink(selection->Link);
        DeleteRecord(selection->Link);
    }
    DeleteRecord(selection);
}

template <typename Selection, typename Record>
Selection* BindSelection(ChannelConfig& config, List<Selection>& selections, Record& record) {
    auto* selection = NewRecord<Selection>();
    auto* link = NewRecord<ChannelLink<Selection>>();
    if (!selection || !link) {
        DeleteRecord(selection);
        DeleteRecord(link);
        return nullptr;
    }
    link->Selection = selection;
    link->Config = &config;
    record.Channels.PushBack(link);
    selection->Link = link;
    selections.PushBack(selection);
    return selection;
}

void ReleaseQueue(Queue& queue) {
    ReleaseEntries(queue.Waiting);
    ReleaseEntries(queue.Sending);
    queue.HeldCount = 0;
}

}  // namespace

NameNode* AppendName(List<NameNode>& names, const char* text) {
    NameNode* node = NewRecord<NameNode>();
    if (!node) return nullptr;
    node->Value.Set(text);
    names.PushBack(node);
    return node;
}

void ReleaseNames(List<NameNode>& names) { names.ReleaseAll(DeleteRecord<NameNode>); }

ChannelConfig* NewChannelConfig(ModuleState& state, const char* channelName) {
    ChannelConfig* config = NewRecord<ChannelConfig>();
    if (!config) return nullptr;
    config->ChannelName.Set(channelName);
    AppendName(config->SearchTriggers, kDefaultSearchTrigger);
    state.ChannelConfigs.PushFront(config);
    return config;
}

void DeleteChannelConfig(ModuleState& state, ChannelConfig* config) {
    state.ChannelConfigs.Unlink(config);
    ReleaseQueue(config->Small);
    ReleaseQueue(config->OpVoice);
    ReleaseNames(config->SearchTriggers);
    config->FileListLinks.ReleaseAll(ReleaseListSelection);
    config->AdGroupLinks.ReleaseAll(ReleaseAdSelection);
    config->UserGroupLinks.ReleaseAll(DeleteRecord<GroupSelection>);
    ReleaseNames(config->Networks);
    DeleteRecord(config);
}

ListSelection* SelectFileList(ChannelConfig& config, FileList& list) {
    ListSelection* selection = BindSelection(config, config.FileListLinks, list);
    if (selection) selection->List = &list;
    return selection;
}

AdGroupSelection* SelectAdGroup(ChannelConfig& config, AdGroup& group) {
    AdGroupSelection* selection = BindSelection(config, config.AdGroupLinks, group);
    if (selection) selection->Group = &group;
    return selection;
}

void UnselectFileList(ChannelConfig& config, ListSelection* selection) {
    config.FileListLinks.Unlink(selection);
    ReleaseListSelection(selection);
}

void UnselectAdGroup(ChannelConfig& config, AdGroupSelection* selection) {
    config.AdGroupLinks.Unlink(selection);
    ReleaseAdSelection(selection);
}

ChannelConfig* FindChannelConfig(ModuleState& state, const char* name) {
    for (ChannelConfig* config = state.ChannelConfigs.Head; config; config = config->Next)
        if (config->ChannelName.Equals(name)) return config;
    return nullptr;
}

bool ChannelConfigExists(const ModuleState& state, const ChannelConfig* config) {
    for (const ChannelConfig* known = state.ChannelConfigs.Head; known; known = known->Next)
        if (known == config) return true;
    return false;
}

bool ServedChannelExists(const ModuleState& state, const ServedChannel* channel) {
    for (const Connection* connection = state.Connections.Head; connection; connection = connection->Next)
        for (const ServedChannel* known = connection->ServedChannels.Head; known; known = known->Next)
            if (known == channel) return true;
    return false;
}

}  // namespace qvs
