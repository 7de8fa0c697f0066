// The requester's status in the channel, asked of the companion script.
#pragma once
#include "model/module_state.h"
#include "wire/server_event_wire.h"

namespace qvs {

// Operator when the script names an op status, else voiced when it names a
// voice status, else regular. An unanswered question leaves the status as
// it was.
void FillUserStatus(ModuleState& state, TextEvent& request);

}  // namespace qvs
