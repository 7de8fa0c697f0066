// The commands of a queue view's "Queue" menu that act on waiting entries:
// "Send now", "Remove", "Clear" and "All by nick".
#pragma once
#include <cstdint>
#include <vector>

#include "sending/shown_queue.h"

namespace qvs {

// Each selected waiting entry leaves the queue (held ones too) and is sent
// at once, outside the slots: it is not put in the sending list, so it is
// neither supervised nor resent. A list entry whose file is being rebuilt
// stays: there is no file to send until the rebuild ends. Returns how many
// were sent.
uint32_t SendNow(ModuleState& state, const ShownQueue& shown, const std::vector<QueueEntry*>& selection);

// Removes each selected waiting entry as a user's "-remove" would.
uint32_t RemoveSelected(ModuleState& state, const ShownQueue& shown, const std::vector<QueueEntry*>& selection);

// After the operator's yes, every waiting entry of the queue goes. 1 when
// the queue was cleared; no answer (a box already open, no panel) clears
// nothing.
uint32_t ClearQueue(ModuleState& state, const ShownQueue& shown);

// "All by nick": the entries of the list whose nick (any case) is the nick
// of a selected entry of that list.
std::vector<QueueEntry*> SelectAllByNick(const List<QueueEntry>& entries, const std::vector<QueueEntry*>& selection);

}  // namespace qvs
