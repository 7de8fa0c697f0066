// Periodic timers on the UI thread. Thread timers belong to no window; the
// flood timers belong to a Connection's flood window.
#pragma once
#include <cstdint>

#include "model/records.h"

namespace qvs {

struct ModuleState;

// Runs on the UI thread with the state that owns the timer.
using TimerHandler = void (*)(ModuleState& state, void* context, TimerId timer);

class TimerPort {
public:
    virtual ~TimerPort() = default;
    // Returns 0 when no timer could be made.
    virtual TimerId StartTimer(uint32_t periodMs, TimerHandler handler, void* context) = 0;
    virtual void KillTimer(TimerId timer) = 0;
};

}  // namespace qvs
