// The module's ordered unload, the parts that belong to the core. The shell
// runs them around closing the panel and waiting for the UI thread:
// PrepareUnload while the UI thread may still run (on that thread), then,
// once it has ended, ReleaseAllConnections (intake/shutdown.h).
#pragma once
#include "model/module_state.h"

namespace qvs {

// Kills the advertisement timers of every served channel.
void StopAllChannelAds(ModuleState& state);

// Advertisement timers off, then every configuration file saved.
void PrepareUnload(ModuleState& state);

}  // namespace qvs
