// A new QueueEntry that knows its requester's group in the channel: the
// constructor shared by admission and queue restore.
#pragma once
#include <cstdint>

#include "model/module_state.h"

namespace qvs {

// The entry, stamped with now and the nick's first group selection in the
// channel; null when memory runs out. It is in no queue yet.
QueueEntry* CreateMemberEntry(ModuleState& state, const char* nick, const char* fullPath, uint32_t connectionId,
                              uint64_t size, const ChannelConfig* config);

}  // namespace qvs
