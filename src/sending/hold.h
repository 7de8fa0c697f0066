// Held entries: requests of nicks that share no channel with the user wait
// in their queue without being sent.
#pragma once
#include "model/module_state.h"

namespace qvs {

// Every held entry of the nick in the queue becomes a normal waiting entry
// again. Returns how many were released.
uint32_t ReleaseHeldEntries(ModuleState& state, QueueKind kind, Queue& queue, const char* nick);

// Whether the hold switches stop this queue from starting sends; holdFlag is
// the queue's own switch, read only with "Use per queue settings".
bool QueueIsHeld(const ModuleState& state, uint32_t holdFlag);

// The queue's own hold switch: module-wide for List, the channel's for the
// other three; null for those without a channel.
uint32_t* HoldFlagOf(ModuleState& state, ChannelConfig* config, QueueKind kind);
// Whether the queue starts no sends as the switches stand. Without a
// channel, its three queues are held only when all queues are.
bool EffectiveHold(ModuleState& state, ChannelConfig* config, QueueKind kind);

// The nick shares no channel with us any more: "$GetComChan" answers 0 or
// a non-number. A refused evaluation lets the send go ahead.
bool NickIsGone(ModuleState& state, uint32_t connectionId, const char* nick);

// With "Keep requests for" on in config and the entry's nick gone, every
// waiting entry of the nick in the queue is held. True when that happened.
bool HoldIfNickGone(ModuleState& state, QueueKind kind, Queue& queue, const ChannelConfig* config,
                    QueueEntry* entry);

}  // namespace qvs
