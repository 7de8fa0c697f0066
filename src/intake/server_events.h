// ServerEvents: the private messages the event relay posts to the panel
// window, and their global-allocation payloads.
#pragma once
#include <cstdint>

#include "model/module_state.h"
#include "wire/server_event_wire.h"

namespace qvs {

enum class EventResult { Handled, NotOurs, ClosePanel };

// Handles one message on the UI thread and frees its payload. NotOurs asks
// for the platform's default handling; ClosePanel asks the caller to destroy
// the panel.
EventResult HandleServerEvent(ModuleState& state, uint32_t message, uintptr_t first, uintptr_t second);

}  // namespace qvs
