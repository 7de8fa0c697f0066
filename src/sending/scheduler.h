// Turns waiting entries into DCC sends when slots are free.
#pragma once
#include "model/module_state.h"

namespace qvs {

// One pass over the four queues of a served channel: at most one start each.
void RunScheduler(ModuleState& state, ServedChannel* channel);

}  // namespace qvs
