// "-NoResend": a user declining the resends of his running sends.
#pragma once
#include "model/module_state.h"

namespace qvs {

void CancelResends(ModuleState& state, ServedChannel* channel, const char* nick);

}  // namespace qvs
