// Operations on one queue that every subsystem needs: finding where a kind
// of queue lives, releasing entries.
#pragma once
#include "model/module_state.h"

namespace qvs {

// The queue of that kind for a channel (the List queue is module-wide).
Queue& QueueOf(ModuleState& state, QueueKind kind, ServedChannel* channel);
Queue& QueueOf(ModuleState& state, QueueKind kind, ChannelConfig* config);

// Releases an entry that is in no list any more.
void ReleaseEntry(QueueEntry* entry);

// Releases every entry of a list without telling anyone (the queue goes away).
void ReleaseEntries(List<QueueEntry>& entries);
void ReleaseEntries(WaitingList& entries);

}  // namespace qvs
