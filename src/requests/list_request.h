// A list request: queue the FileList's list file itself.
#pragma once
#include "host/server_events.h"
#include "model/module_state.h"

namespace qvs {

void HandleListRequest(ModuleState& state, FileList* list, const TextEvent& request, ChannelConfig* config,
                       ServedChannel* channel);

}  // namespace qvs
