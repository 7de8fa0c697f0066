// queue.dat: a served channel's queues kept across part, disconnect and
// restart. Only who asked for which file is kept; the rest is rebuilt when
// the request comes back.
#pragma once
#include <cstdint>
#include <string>

#include "model/module_state.h"

namespace qvs {

void SaveChannelQueues(ModuleState& state, ServedChannel* channel);
void RestoreChannelQueues(ModuleState& state, ServedChannel* channel);

// The housekeeping tick's share: every SaveQueueDuration minutes, unless a
// restore is still dripping, every served channel is saved.
void SaveQueuesOnSchedule(ModuleState& state);

// 1 when the section's queue may be restored, 0 when it is older than the
// age limit (minutes; 0 means no limit).
int IsSavedQueueFresh(ModuleState& state, const std::string& section, const std::string& path, uint32_t ageLimit);

}  // namespace qvs
