// Flood.dat: the flood-control settings of each network.
#pragma once
#include "model/module_state.h"

namespace qvs {

// True when the file was replaced; a failure is silent and keeps the old file.
bool SaveNetworkSettings(ModuleState& state);
void LoadNetworkSettings(ModuleState& state);

}  // namespace qvs
