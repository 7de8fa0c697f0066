#pragma once
#include "model/module_state.h"

namespace qvs {

// Unload: every ServedChannel of every Connection is released (queues are not
// saved on this path), then the Connections themselves.
void ReleaseAllConnections(ModuleState& state);

// Releases every record of the state field by field. The module itself drops
// its private heap instead; this is for a state that outlives no heap.
void ReleaseAllRecords(ModuleState& state);

}  // namespace qvs
