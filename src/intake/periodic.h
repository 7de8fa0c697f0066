// The three periodic thread timers of the running panel: the 2-second total
// speed sample, the 5-second send supervision and the 60-second housekeeping
// tick.
#pragma once
#include <cstdint>

#include "model/module_state.h"

namespace qvs {

constexpr uint32_t kSpeedSamplePeriodMs = 2000;
constexpr uint32_t kSupervisePeriodMs = 5000;
constexpr uint32_t kHousekeepingPeriodMs = 60000;

struct PeriodicTimers {
    TimerId SpeedSample = 0;
    TimerId Supervise = 0;
    TimerId Housekeeping = 0;
};

// Tick entry points, one per timer. The housekeeping tick: held-entry
// expiry (and the queue views' wait times), the periodic queue save, the
// periodic configuration save, scheduled list regeneration, and the memory
// display while its automatic check is on; in that order.
void OnSpeedSampleTick(ModuleState& state, void* context, TimerId timer);
void OnSuperviseTick(ModuleState& state, void* context, TimerId timer);
void OnHousekeepingTick(ModuleState& state, void* context, TimerId timer);

// Panel creation.
void StartPeriodicTimers(ModuleState& state, PeriodicTimers& timers);
// Panel destruction: the three periodic timers and, when it runs, the
// restoration drip of the scheduler.
void StopPanelTimers(ModuleState& state, PeriodicTimers& timers);

}  // namespace qvs
