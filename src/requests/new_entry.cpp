#include "requests/new_entry.h"

#include "users/member_entry.h"

namespace qvs {

QueueEntry* CreateQueueEntry(ModuleState& state, const char* nick, const char* fullPath, uint32_t connectionId,
                             uint64_t size, const ChannelConfig* config) {
    return CreateMemberEntry(state, nick, fullPath, connectionId, size, config);
}

}  // namespace qvs
