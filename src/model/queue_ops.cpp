#include "model/queue_ops.h"

#include "model/memory.h"

namespace qvs {

Queue& QueueOf(ModuleState& state, QueueKind kind, ChannelConfig* config) {
    switch (kind) {
        case QueueKind::SmallFile: return config->Small;
        case QueueKind::OpVoice: return config->OpVoice;
        default: return state.ListQueue;
    }
}

Queue& QueueOf(ModuleState& state, QueueKind kind, ServedChannel* channel) {
    if (kind == QueueKind::Regular) return channel->Regular;
    return QueueOf(state, kind, channel ? channel->Config : nullptr);
}

void RemoveWaitingEntry(ModuleState& state, QueueKind kind, Queue& queue, QueueEntry* entry) {
    state.Ports.Panel->QueueRowRemoved(kind, entry);
    queue.Waiting.Unlink(entry);
    if (entry->Held && queue.HeldCount) --queue.HeldCount;
    ServedChannel* channel = entry->Channel;
    ReleaseEntry(entry);
    state.Ports.Panel->RefreshQueueCounters(kind, channel ? channel->Config : nullptr,
                                            kind == QueueKind::Regular ? channel : nullptr);
}

void ReleaseEntry(QueueEntry* entry) { DeleteRecord(entry); }

void ReleaseEntries(List<QueueEntry>& entries) { entries.ReleaseAll(ReleaseEntry); }
void ReleaseEntries(WaitingList& entries) { entries.ReleaseAll(ReleaseEntry); }

}  // namespace qvs
