// The advertisement timers of a served channel.
#pragma once
#include "model/module_state.h"

namespace qvs {

void StartChannelAds(ModuleState& state, ServedChannel* channel);
// Kills and releases the channel's timers of both advertisement timer lists.
void StopChannelAds(ModuleState& state, ServedChannel* channel);

}  // namespace qvs
