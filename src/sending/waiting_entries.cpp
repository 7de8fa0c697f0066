#include "sending/waiting_entries.h"

#include "model/queue_ops.h"
#include "ports/panel_port.h"

namespace qvs {

void RemoveWaitingEntry(ModuleState& state, QueueKind kind, Queue& queue, QueueEntry* entry) {
    state.Ports.Panel->QueueRowRemoved(kind, entry);
    queue.Waiting.Unlink(entry);
    if (entry->Held && queue.HeldCount) --queue.HeldCount;
    ServedChannel* channel = entry->Channel;
    ReleaseEntry(entry);
    state.Ports.Panel->RefreshQueueCounters(kind, channel ? channel->Config : nullptr,
                                            kind == QueueKind::Regular ? channel : nullptr);
}

}  // namespace qvs
