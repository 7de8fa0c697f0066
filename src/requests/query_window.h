// Closing the query window a request came through, once it is answered.
#pragma once
#include <cstdint>

#include "model/module_state.h"

namespace qvs {

void CloseQueryWindow(ModuleState& state, uint32_t connectionId, const char* nick);

}  // namespace qvs
