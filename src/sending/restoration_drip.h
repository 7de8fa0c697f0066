// Restored queues start one at a time, QueueRestorationDelay seconds apart,
// so a restart does not open every slot of every channel at once.
#pragma once
#include "model/module_state.h"

namespace qvs {

// Unless the drip already runs: serves the next restored queue now and keeps
// the timer going while more wait.
void BeginRestorationDrip(ModuleState& state);

// Serves the restored queue at the head of the pending list and forgets it;
// the timer stops when the list is empty.
void DripStep(ModuleState& state);

}  // namespace qvs
