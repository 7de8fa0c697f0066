// A list request: queue the FileList's list file itself.
#pragma once
#include "model/module_state.h"
#include "wire/server_event_wire.h"

namespace qvs {

void HandleListRequest(ModuleState& state, FileList* list, const TextEvent& request, ChannelConfig* config,
                       ServedChannel* channel);

}  // namespace qvs
