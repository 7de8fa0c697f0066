// The 5-second check of every sending list against the sends the host
// really has.
#pragma once
#include "model/module_state.h"

namespace qvs {

// A send the host has not listed at this many checks is dropped at the next.
constexpr uint32_t kMostMissingChecks = 60;

void SuperviseSends(ModuleState& state);

}  // namespace qvs
