// A message to a whole channel (an advertisement shown in the channel):
// executed at once, without routing or flood control.
#pragma once
#include <cstdint>
#include <string>

#include "model/module_state.h"

namespace qvs {

// The command that says text in the channel, defused and cut to one line;
// empty when the channel name is not safe in a command. A generation thread
// builds its notices with it too.
std::string FormatChannelMessage(uint32_t connectionId, const char* channel, const char* text);
void SendChannelMessage(ModuleState& state, uint32_t connectionId, const char* channel, const char* text);

}  // namespace qvs
