// "Kill send if speed drops below": a Regular send whose average speed over
// its readings stays below MinSendCps is closed.
#pragma once
#include <cstdint>

#include "model/module_state.h"

namespace qvs {

// Readings needed before the average may end a send (about two minutes).
constexpr uint32_t kReadingsBeforeJudging = 25;

// Takes one speed reading of the entry's host send (sendNumber for its nick)
// and ends the send when the average is too low.
void ApplyMinimumSpeed(ModuleState& state, ServedChannel* channel, QueueEntry* entry, uint32_t sendNumber);

}  // namespace qvs
