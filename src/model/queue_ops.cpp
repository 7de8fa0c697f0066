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

void ReleaseEntry(QueueEntry* entry) { DeleteRecord(entry); }

void ReleaseEntries(List<QueueEntry>& entries) { entries.ReleaseAll(ReleaseEntry); }
void ReleaseEntries(WaitingList& entries) { entries.ReleaseAll(ReleaseEntry); }

}  // namespace qvs
