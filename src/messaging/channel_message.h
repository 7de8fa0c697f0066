// A message to a whole channel (an advertisement shown in the channel):
// executed at once, without routing or flood control.
#pragma once
#include <cstdint>

#include "model/module_state.h"

namespace qvs {

void SendChannelMessage(ModuleState& state, uint32_t connectionId, const char* channel, const char* text);

}  // namespace qvs
