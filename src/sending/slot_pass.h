// The SmallFile, OpVoice and List queues: a fixed number of slots and one
// send per nick at a time.
#pragma once
#include "model/module_state.h"

namespace qvs {

// Starts at most one send from the queue of that kind: for SmallFile and
// OpVoice the queue of channel's configuration, for List the module's.
void RunSlotPass(ModuleState& state, QueueKind kind, ServedChannel* channel);

}  // namespace qvs
