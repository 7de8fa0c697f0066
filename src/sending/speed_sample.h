// The 2-second sample of the host's total upload speed that the Regular
// queue's bandwidth test reads.
#pragma once
#include <cstdint>

#include "model/module_state.h"

namespace qvs {

// Adds up the speeds of all the host's sends (not only ours), shows the total
// and keeps it as the newest of the three samples.
uint32_t SampleTotalSpeed(ModuleState& state);

}  // namespace qvs
