// The end of a send the host reports: success or failure.
#pragma once
#include "model/module_state.h"
#include "wire/server_event_wire.h"

namespace qvs {

void CompleteSend(ModuleState& state, const SendEvent& event, bool succeeded);

}  // namespace qvs
