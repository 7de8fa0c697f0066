// A new QueueEntry for one request.
#pragma once
#include <cstdint>

#include "model/module_state.h"

namespace qvs {

// The entry, stamped with the request time and the nick's group selection
// in the channel; null when memory runs out. It is in no queue yet.
QueueEntry* CreateQueueEntry(ModuleState& state, const char* nick, const char* fullPath, uint32_t connectionId,
                             uint64_t size, const ChannelConfig* config);

}  // namespace qvs
