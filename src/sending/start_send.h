// Hands one send to the host: the user is told it is on its way, and the
// companion script's send command starts the DCC send.
#pragma once
#include "model/module_state.h"

namespace qvs {

// resend: the entry failed before and is sent again at once.
void StartSend(ModuleState& state, QueueEntry* entry, bool resend);

}  // namespace qvs
