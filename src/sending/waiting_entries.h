// Taking one waiting entry out of its queue, with the panel kept in step.
#pragma once
#include "model/module_state.h"

namespace qvs {

// Removes one waiting entry: its view row, its held mark, the entry itself,
// then the counters.
void RemoveWaitingEntry(ModuleState& state, QueueKind kind, Queue& queue, QueueEntry* entry);

}  // namespace qvs
