// An entry's way between a queue's waiting list and its sending list, with
// the counters and views that follow it.
#pragma once
#include "model/module_state.h"

namespace qvs {

// A list entry whose list file is being rebuilt right now: there is no file
// to send until the rebuild ends.
bool ListFileIsRebuilding(const QueueEntry* entry);

// Not held, and not a list file that is being rebuilt right now.
bool EntryCanStart(const QueueEntry* entry);

// True when the nick already has an entry in this sending list.
bool NickIsSending(const Queue& queue, const char* nick);

// Shows the new counts of a queue; channel is the entry's channel.
void RefreshQueueCounts(ModuleState& state, QueueKind kind, ServedChannel* channel);

// Moves a waiting entry into its queue's sending list (the List queue puts
// the newest first, the others last).
void TakeSendSlot(ModuleState& state, QueueKind kind, Queue& queue, QueueEntry* entry);

// Takes an entry out of its sending list; a Regular entry's batch may start
// its next file. The entry itself is the caller's.
void FreeSendSlot(ModuleState& state, QueueKind kind, Queue& queue, QueueEntry* entry);

// The send is over for good: the slot is freed and the entry released.
void EndSend(ModuleState& state, QueueKind kind, Queue& queue, QueueEntry* entry);

}  // namespace qvs
