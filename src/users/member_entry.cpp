#include "users/member_entry.h"

#include "model/memory.h"
#include "ports/clock_port.h"
#include "users/group_membership.h"

namespace qvs {

QueueEntry* CreateMemberEntry(ModuleState& state, const char* nick, const char* fullPath, uint32_t connectionId,
                              uint64_t size, const ChannelConfig* config) {
    QueueEntry* entry = NewRecord<QueueEntry>();
    if (!entry) return nullptr;
    entry->ConnectionId = connectionId;
    entry->Nick.Set(nick);
    entry->FilePath.Set(fullPath);
    entry->FileSize = size;
    entry->QueuedTime = state.Ports.Clock->UtcNow();
    entry->Group = FindGroupSelection(config, nick);
    return entry;
}

}  // namespace qvs
