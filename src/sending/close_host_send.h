#pragma once
#include <cstdint>

#include "model/module_state.h"

namespace qvs {

// Closes the nick's send window number `number` (counted as the companion
// script counts them, on that connection): the host runs "/close" on its
// active connection unless told which.
void CloseNthHostSend(ModuleState& state, uint32_t connectionId, uint32_t number, const char* nick);

// Closes the host's send of that file to that nick; 1 when one was found.
uint32_t CloseHostSend(ModuleState& state, uint32_t connectionId, const char* nick, const char* path);

}  // namespace qvs
