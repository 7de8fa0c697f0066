#include "host/periodic.h"

namespace qvs {
namespace {

void Stop(ModuleState& state, TimerId& timer) {
    if (timer) state.Ports.Timers->KillTimer(timer);
    timer = 0;
}

}  // namespace

void OnSpeedSampleTick(ModuleState&, void*, TimerId) {}
void OnSuperviseTick(ModuleState&, void*, TimerId) {}
void OnHousekeepingTick(ModuleState&, void*, TimerId) {}

void StartPeriodicTimers(ModuleState& state, PeriodicTimers& timers) {
    TimerPort& port = *state.Ports.Timers;
    timers.SpeedSample = port.StartTimer(kSpeedSamplePeriodMs, OnSpeedSampleTick, nullptr);
    timers.Supervise = port.StartTimer(kSupervisePeriodMs, OnSuperviseTick, nullptr);
    timers.Housekeeping = port.StartTimer(kHousekeepingPeriodMs, OnHousekeepingTick, nullptr);
}

void StopPanelTimers(ModuleState& state, PeriodicTimers& timers) {
    Stop(state, timers.SpeedSample);
    Stop(state, timers.Supervise);
    Stop(state, timers.Housekeeping);
    Stop(state, state.RestorationTimer);
}

}  // namespace qvs
