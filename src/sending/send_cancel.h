// The "Sends" menu of a queue view: the operator ends sends in progress.
#pragma once
#include <cstdint>
#include <vector>

#include "sending/shown_queue.h"

namespace qvs {

// "Cancel Send": the first selected entry of the sending list. The host's
// send of it is closed when the host lists it; the entry leaves the sending
// list either way (a Regular batch may go on) and the freed slot is offered
// to the queue at once. 1 when an entry was cancelled.
uint32_t CancelSend(ModuleState& state, const ShownQueue& shown, const std::vector<QueueEntry*>& selection);

// "Cancel All Sends": after the operator's yes, every send of the queue that
// the host lists is closed and its entry removed; entries whose send the
// host does not list stay. Returns how many were cancelled.
uint32_t CancelAllSends(ModuleState& state, const ShownQueue& shown);

}  // namespace qvs
