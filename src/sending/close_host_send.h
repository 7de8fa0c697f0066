#pragma once
#include <cstdint>

#include "model/module_state.h"

namespace qvs {

// Closes the host's send of that file to that nick; 1 when one was found.
uint32_t CloseHostSend(ModuleState& state, uint32_t connectionId, const char* nick, const char* path);

}  // namespace qvs
