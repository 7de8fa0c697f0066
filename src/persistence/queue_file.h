// queue.dat: a served channel's queues kept across part, disconnect and restart.
#pragma once
#include "model/module_state.h"

namespace qvs {

void SaveChannelQueues(ModuleState& state, ServedChannel* channel);
void RestoreChannelQueues(ModuleState& state, ServedChannel* channel);

}  // namespace qvs
