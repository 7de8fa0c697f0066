// The end of a send the host reports: success or failure.
#pragma once
#include "host/server_events.h"
#include "model/module_state.h"

namespace qvs {

void CompleteSend(ModuleState& state, const SendEvent& event, bool succeeded);

}  // namespace qvs
