// A user taking his own waiting requests back ("-remove").
#pragma once
#include <cstdint>

#include "model/module_state.h"

namespace qvs {

// Every waiting request of the nick in the channel's Regular, SmallFile and
// OpVoice queues.
void RemoveAllRequests(ModuleState& state, ServedChannel* channel, const char* nick);
// The nick's waiting requests for one file name; in the shared SmallFile and
// OpVoice queues only those made on this connection.
void RemoveFileRequests(ModuleState& state, ServedChannel* channel, const char* nick, uint32_t connectionId,
                        const char* fileName);

}  // namespace qvs
