// Trigger dispatch: decides whether a line of channel or private text is a
// trigger and hands it to whatever answers it.
#pragma once
#include "model/module_state.h"
#include "wire/server_event_wire.h"

namespace qvs {

// 1 when the line was taken as a trigger; 0 when it was none or came from
// an ignored nick (who hears nothing at all).
int DispatchTrigger(ModuleState& state, ServedChannel* channel, TextEvent& event);

}  // namespace qvs
