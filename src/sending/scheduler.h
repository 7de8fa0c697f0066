// Turns waiting entries into DCC sends when slots are free.
#pragma once
#include "model/module_state.h"

namespace qvs {

// One pass over the four queues of a served channel: at most one start each.
// Without a channel only the List queue is served.
void RunScheduler(ModuleState& state, ServedChannel* channel);

// The pass of one queue: Regular, OpVoice or SmallFile of the channel, or
// the module's List queue.
void RunQueuePass(ModuleState& state, QueueKind kind, ServedChannel* channel);

}  // namespace qvs
