// Held requests do not wait for ever: the one-minute tick ages them and
// removes those that have waited HoldTime minutes.
#pragma once
#include "model/module_state.h"

namespace qvs {

// Every held entry of every queue ages by one minute or, once its minutes
// held reach its channel's HoldTime, is removed.
void ExpireHeldEntries(ModuleState& state);

}  // namespace qvs
