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

extern const char kNoNetworkNameMessage[];
constexpr uint32_t kRestoreHoldMs = 120000;

}  // namespace qvs
