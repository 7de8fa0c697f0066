#include "sending/send_slots.h"

#include "model/queue_ops.h"
#include "ports/panel_port.h"

namespace qvs {

bool ListFileIsRebuilding(const QueueEntry* entry) { return entry->IsList && entry->List && entry->List->Updating; }

bool EntryCanStart(const QueueEntry* entry) { return !entry->Held && !ListFileIsRebuilding(entry); }

bool NickIsSending(const Queue& queue, const char* nick) {
    for (const QueueEntry* entry = queue.Sending.Head; entry; entry = entry->Next)
        if (entry->Nick.Equals(nick)) return true;
    return false;
}

void RefreshQueueCounts(ModuleState& state, QueueKind kind, ServedChannel* channel) {
    ChannelConfig* config = (kind == QueueKind::List || !channel) ? nullptr : channel->Config;
    state.Ports.Panel->RefreshQueueCounters(kind, config, kind == QueueKind::Regular ? channel : nullptr);
}

void TakeSendSlot(ModuleState& state, QueueKind kind, Queue& queue, QueueEntry* entry) {
    state.Ports.Panel->QueueRowRemoved(kind, entry);
    queue.Waiting.Unlink(entry);
    if (kind == QueueKind::List)
        queue.Sending.PushFront(entry);
    else
        queue.Sending.PushBack(entry);
    state.Ports.Panel->QueueRowAdded(kind, entry);
    RefreshQueueCounts(state, kind, entry->Channel);
}

void FreeSendSlot(ModuleState& state, QueueKind kind, Queue& queue, QueueEntry* entry) {
    state.Ports.Panel->QueueRowRemoved(kind, entry);
    queue.Sending.Unlink(entry);
    if (kind == QueueKind::Regular && entry->Batch) entry->Batch->Ready = 1;
    RefreshQueueCounts(state, kind, entry->Channel);
}

void EndSend(ModuleState& state, QueueKind kind, Queue& queue, QueueEntry* entry) {
    FreeSendSlot(state, kind, queue, entry);
    ReleaseEntry(entry);
}

}  // namespace qvs
