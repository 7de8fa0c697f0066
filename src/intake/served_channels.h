// ServedChannels: one per (Connection, configured channel) being served.
#pragma once
#include "model/module_state.h"

namespace qvs {

ServedChannel* FindServedChannel(ModuleState& state, uint32_t connectionId, const char* channelName);
// The existing or a new ServedChannel, or null when the channel is not served
// on that connection's network.
ServedChannel* OpenServedChannel(ModuleState& state, uint32_t connectionId, const char* channelName);
// Closes the channel's sends, removes its entries from all four queues and
// releases it. Queues are not saved here.
void ReleaseServedChannel(ModuleState& state, ServedChannel* channel);
// The user removed the channel: every instance of it is released (sends
// closed, entries removed from every queue), then the ChannelConfig itself.
void RemoveChannelConfig(ModuleState& state, ChannelConfig* config);
// The connection ended: queues saved where the channel asks, channels
// released, pending paced messages dropped.
void CloseConnection(ModuleState& state, uint32_t connectionId);

extern const char kNoNetworkNameMessage[];
constexpr uint32_t kRestoreHoldMs = 120000;

}  // namespace qvs
