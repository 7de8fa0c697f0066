// Trigger dispatch: decides whether a line of channel or private text is a
// trigger and hands it to whatever answers it.
#pragma once
#include "host/server_events.h"
#include "model/module_state.h"

namespace qvs {

void DispatchTrigger(ModuleState& state, ServedChannel* channel, TextEvent& event);

}  // namespace qvs
