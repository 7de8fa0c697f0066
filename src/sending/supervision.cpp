#include "sending/supervision.h"

#include "sending/host_sends.h"
#include "sending/minimum_speed.h"
#include "sending/scheduler.h"
#include "sending/send_slots.h"

namespace qvs {
namespace {

// A send the host stopped listing (ended without a report, never started,
// closed by hand) frees its slot after about five minutes.
void CountMissing(ModuleState& state, QueueKind kind, Queue& queue, ServedChannel* channel, QueueEntry* entry) {
    if (entry->MissingTicks < kMostMissingChecks) {
        ++entry->MissingTicks;
        return;
    }
    EndSend(state, kind, queue, entry);
    if (kind == QueueKind::Regular) RunScheduler(state, channel);
}

void CheckPresence(ModuleState& state, QueueKind kind, Queue& queue, ServedChannel* channel, QueueEntry* entry) {
    uint32_t number = FindHostSend(state, entry->ConnectionId, entry->Nick.c_str(), entry->FilePath.c_str());
    if (number == 0)
        CountMissing(state, kind, queue, channel, entry);
    else if (kind == QueueKind::Regular)
        ApplyMinimumSpeed(state, channel, entry, number);
}

// Entries started while the list is checked (a dropped send frees its slot
// at once) wait for the next check.
void CheckSendingList(ModuleState& state, QueueKind kind, Queue& queue, ServedChannel* channel) {
    QueueEntry* last = queue.Sending.Tail;
    for (QueueEntry* entry = queue.Sending.Head; entry;) {
        QueueEntry* next = entry->Next;
        bool wasLast = entry == last;
        CheckPresence(state, kind, queue, channel, entry);
        if (wasLast) break;
        entry = next;
    }
}

// Checks the queue's sends, then lets the queue start what it may.
void SuperviseQueue(ModuleState& state, QueueKind kind, Queue& queue, ServedChannel* channel) {
    if (!queue.Sending.Empty())
        CheckSendingList(state, kind, queue, channel);
    else if (queue.Waiting.Empty())
        return;
    if (kind == QueueKind::List)
        RunQueuePass(state, QueueKind::List, nullptr);
    else
        RunScheduler(state, channel);
}

}  // namespace

void SuperviseSends(ModuleState& state) {
    for (Connection* connection = state.Connections.Head; connection; connection = connection->Next) {
        for (ServedChannel* channel = connection->ServedChannels.Head; channel; channel = channel->Next) {
            SuperviseQueue(state, QueueKind::Regular, channel->Regular, channel);
            SuperviseQueue(state, QueueKind::SmallFile, channel->Config->Small, channel);
            SuperviseQueue(state, QueueKind::OpVoice, channel->Config->OpVoice, channel);
        }
    }
    SuperviseQueue(state, QueueKind::List, state.ListQueue, nullptr);
}

}  // namespace qvs
