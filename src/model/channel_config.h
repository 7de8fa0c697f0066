// Creation and deletion of the per-channel configuration.
#pragma once
#include "model/module_state.h"

namespace qvs {

constexpr char kDefaultSearchTrigger[] = "@find";

// A ChannelConfig with the defaults of a channel the user adds, at the head
// of the list.
ChannelConfig* NewChannelConfig(ModuleState& state, const char* channelName);

// Unlinks and releases a ChannelConfig that is no longer served anywhere:
// its own queues, selections and texts.
void DeleteChannelConfig(ModuleState& state, ChannelConfig* config);

// The channel selects the list or advertisement group: the selection joins
// the end of the channel's selections and the channel the end of the
// record's channels, as loading channel.dat links them. Null (and nothing
// linked) when no record can be made.
ListSelection* SelectFileList(ChannelConfig& config, FileList& list);
AdGroupSelection* SelectAdGroup(ChannelConfig& config, AdGroup& group);

// The selection leaves the channel and the record's back-link goes with it.
void UnselectFileList(ChannelConfig& config, ListSelection* selection);
void UnselectAdGroup(ChannelConfig& config, AdGroupSelection* selection);

// First ChannelConfig whose channel name equals name, or null.
ChannelConfig* FindChannelConfig(ModuleState& state, const char* name);

// Whether the record is still alive: a window may hold on to a channel
// that has since been deleted or parted.
bool ChannelConfigExists(const ModuleState& state, const ChannelConfig* config);
bool ServedChannelExists(const ModuleState& state, const ServedChannel* channel);

NameNode* AppendName(List<NameNode>& names, const char* text);
void ReleaseNames(List<NameNode>& names);

}  // namespace qvs
