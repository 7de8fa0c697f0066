// "To Queues": selected waiting entries leave their queue for the tail of
// another one, held mark and all.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "sending/shown_queue.h"

namespace qvs {

// SmallFile and OpVoice are the queues of each entry's own ChannelConfig;
// Regular is the queue of regularTarget. No duplicate or per-nick test is
// made. Nothing moves into the queue shown (its item is grayed), nor into a
// Regular queue of another connection than the entry's: the nick there may
// be someone else, and the send's end would never find the entry. Returns
// how many moved.
uint32_t MoveToQueue(ModuleState& state, const ShownQueue& from, const std::vector<QueueEntry*>& selection,
                     QueueKind to, ServedChannel* regularTarget);

// The Regular queues "Regular" may choose from: the served channels of the
// ChannelConfig the panel shows (the operator picks one when there are
// several, none means nothing moves).
std::vector<ServedChannel*> RegularTargets(const ChannelConfig* config);

// "%s : %s" with the network name (the connection id when the host gave
// none) and the channel name: the "Select Network/Channel" items and the
// labels of the per-channel queue tabs.
std::string ServedChannelLabel(const ServedChannel* channel);

}  // namespace qvs
