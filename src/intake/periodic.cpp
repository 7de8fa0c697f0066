#include "intake/periodic.h"

#include "lists/list_removal.h"
#include "lists/regeneration.h"
#include "persistence/configuration.h"
#include "persistence/queue_file.h"
#include "ports/panel_port.h"
#include "ports/timer_port.h"
#include "sending/hold_expiry.h"
#include "sending/speed_sample.h"
#include "sending/supervision.h"
#include "stats/memory_display.h"

namespace qvs {
namespace {

void Stop(ModuleState& state, TimerId& timer) {
    if (timer) state.Ports.Timers->KillTimer(timer);
    timer = 0;
}

// Commands waiting in flood control on the first connection that serves
// the channel the panel shows.
void ShowPendingCommands(ModuleState& state) {
    const ChannelConfig* shown = state.Ports.Panel->SelectedChannel();
    if (!shown || shown->Instances.Empty()) return;
    const InstanceLink* first = shown->Instances.Head;
    state.Ports.Panel->ShowPendingCommands(first->Channel->Connection->Pending.Count);
}

}  // namespace

void OnSpeedSampleTick(ModuleState& state, void*, TimerId) {
    SampleTotalSpeed(state);
    ShowPendingCommands(state);
}

void OnSuperviseTick(ModuleState& state, void*, TimerId) { SuperviseSends(state); }

// Held entries age before the queues are saved, so a save never keeps an
// entry that has just expired.
void OnHousekeepingTick(ModuleState& state, void*, TimerId) {
    ExpireHeldEntries(state);
    state.Ports.Panel->RefreshWaitColumns();
    SaveQueuesOnSchedule(state);
    SaveConfigurationOnSchedule(state);
    RunListSchedule(state);
    ReleaseRetiredLists(state);
    if (state.AutoMemoryCheck == 1) CheckMemory(state);
}

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
