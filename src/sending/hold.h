// Held entries: requests of nicks that share no channel with the user wait
// in their queue without being sent.
#pragma once
#include "model/module_state.h"

namespace qvs {

// Every held entry of the nick in the queue becomes a normal waiting entry
// again. Returns how many were released.
uint32_t ReleaseHeldEntries(ModuleState& state, QueueKind kind, Queue& queue, const char* nick);

}  // namespace qvs
