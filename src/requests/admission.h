// Queue admission: which queue a request goes to, duplicates, the per-nick
// limit, priority, and the "added" notice.
#pragma once
#include <cstdint>

#include "model/module_state.h"
#include "wire/server_event_wire.h"

namespace qvs {

enum AdmissionResult : int {
    kAdmittedList = 4,
    kAdmittedOpVoice = 3,
    kAdmittedSmallFile = 2,
    kAdmittedRegular = 1,
    kAlreadyQueued = 0,
    kNickLimitReached = -1,
    kNoQueueAccepts = -2,
};

// Admits the entry into one queue of the channel and returns where it went.
// On a result of 0 or below the entry is in no queue and still the caller's.
int AdmitEntry(ModuleState& state, ServedChannel* channel, QueueEntry* entry, const TextEvent& request,
               const char* displayName);

// The limit a nick over it is told about: the group's queue size when it
// has one, otherwise the channel's.
uint32_t NickLimitOf(const QueueEntry* entry, const ChannelConfig* config);

}  // namespace qvs
