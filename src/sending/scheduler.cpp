#include "sending/scheduler.h"

#include "sending/regular_pass.h"
#include "sending/restoration_drip.h"
#include "sending/slot_pass.h"

namespace qvs {

void RunQueuePass(ModuleState& state, QueueKind kind, ServedChannel* channel) {
    if (kind == QueueKind::Regular)
        RunRegularPass(state, channel);
    else
        RunSlotPass(state, kind, channel);
}

void RunScheduler(ModuleState& state, ServedChannel* channel) {
    // Right after a restoring join the channel's own queues wait for their
    // users to come back.
    if (channel && channel->RestoreHold == 0) {
        if (state.PendingRestoration.Empty()) {
            RunRegularPass(state, channel);
            RunSlotPass(state, QueueKind::OpVoice, channel);
            RunSlotPass(state, QueueKind::SmallFile, channel);
        } else {
            BeginRestorationDrip(state);
        }
    }
    RunSlotPass(state, QueueKind::List, nullptr);
}

}  // namespace qvs
