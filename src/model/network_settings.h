// The module-wide flood settings of each network, and which Connections
// pace their commands by them.
#pragma once
#include "model/module_state.h"

namespace qvs {

// What a network added from the panel starts with: both protections off,
// their delays ready for when the operator turns them on.
constexpr uint32_t kNewNetworkExcessFloodInterval = 2;
constexpr uint32_t kNewNetworkTargetChangeInterval = 15;

NetworkSettings* FindNetworkSettings(ModuleState& state, const char* networkName);

// Appends the settings of a network not yet listed, and every Connection on
// a network of that name paces by them from now on. Null for an empty or
// already listed name.
NetworkSettings* AddNetworkSettings(ModuleState& state, const char* networkName);

// Unlinks and frees the settings; the Connections that used them are paced
// by none.
void RemoveNetworkSettings(ModuleState& state, NetworkSettings* settings);

}  // namespace qvs
