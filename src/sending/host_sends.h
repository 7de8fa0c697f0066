// What the host says about its DCC sends: their speeds ("$send") and, through
// the companion script, which send carries which file to a nick.
#pragma once
#include <cstdint>
#include <vector>

#include "model/module_state.h"

namespace qvs {

// No host runs more sends than this; a larger answer is garbage and must not
// keep the UI thread evaluating.
constexpr uint32_t kMostHostSends = 1000;

struct SendSpeedReading {
    bool Answered = false;
    uint32_t Cps = 0;  // kInvalidNumber when the answer was no number
};

// "$send(N).cps" for every send of the host, from the last to the first;
// empty when "$send(0)" is refused, 0 or no number.
std::vector<SendSpeedReading> ReadHostSendSpeeds(ModuleState& state);

// Number of the host's sends (all of them, not only ours) that read 0 cps.
uint32_t CountStalledSends(ModuleState& state);

// The host's send number (1...N) of that file to that nick, 0 when the host
// does not list it.
uint32_t FindHostSend(ModuleState& state, uint32_t connectionId, const char* nick, const char* path);

}  // namespace qvs
