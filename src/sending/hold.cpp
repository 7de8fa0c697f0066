#include "sending/hold.h"

namespace qvs {

uint32_t ReleaseHeldEntries(ModuleState& state, QueueKind kind, Queue& queue, const char* nick) {
    uint32_t released = 0;
    for (QueueEntry* entry = queue.Waiting.Head; entry; entry = entry->Next) {
        if (!entry->Held || !entry->Nick.Equals(nick)) continue;
        entry->Held = 0;
        entry->HeldMinutes = 0;
        if (queue.HeldCount) --queue.HeldCount;
        ++released;
        state.Ports.Panel->QueueRowChanged(kind, entry);
    }
    return released;
}

}  // namespace qvs
