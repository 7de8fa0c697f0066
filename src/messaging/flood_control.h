// Per-connection pacing of outgoing commands against server flood limits.
#pragma once
#include "model/module_state.h"

namespace qvs {

// Hands a complete host command to the connection's flood control; target is
// the nick it goes to.
void PaceCommand(ModuleState& state, Connection* connection, const char* command, const char* target);

}  // namespace qvs
