// The Regular queue: per-nick batches between MinSlot and MaxSlot sends,
// with the bandwidth test in between.
#pragma once
#include "model/module_state.h"

namespace qvs {

// Starts at most one send from the channel's Regular queue.
void RunRegularPass(ModuleState& state, ServedChannel* channel);

}  // namespace qvs
