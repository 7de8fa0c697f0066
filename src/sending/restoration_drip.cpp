#include "sending/restoration_drip.h"

#include "model/memory.h"
#include "ports/timer_port.h"
#include "sending/scheduler.h"

namespace qvs {
namespace {

QueueKind KindOfRestored(uint32_t code) {
    switch (code) {
        case 2: return QueueKind::OpVoice;
        case 3: return QueueKind::SmallFile;
        default: return QueueKind::Regular;
    }
}

void StopDrip(ModuleState& state) {
    if (state.RestorationTimer) state.Ports.Timers->KillTimer(state.RestorationTimer);
    state.RestorationTimer = 0;
}

void OnDripTimer(ModuleState& state, void*, TimerId) { DripStep(state); }

}  // namespace

void DripStep(ModuleState& state) {
    RestorationNode* node = state.PendingRestoration.Head;
    if (node) {
        RunQueuePass(state, KindOfRestored(node->Kind), node->Channel);
        state.PendingRestoration.Unlink(node);
        DeleteRecord(node);
    }
    if (state.PendingRestoration.Empty()) StopDrip(state);
}

void BeginRestorationDrip(ModuleState& state) {
    if (state.RestorationTimer) return;
    DripStep(state);
    if (state.PendingRestoration.Empty()) return;
    uint32_t periodMs = state.Settings.QueueRestorationDelay * 1000;
    state.RestorationTimer = state.Ports.Timers->StartTimer(periodMs, OnDripTimer, nullptr);
}

}  // namespace qvs
