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

// Hands every entry of every queue, waiting or sending, to visit: the
// Regular queues of all served channels, each channel's SmallFile and
// OpVoice queues and the List queue.
template <typename Visit>
void VisitAllEntries(ModuleState& state, Visit visit) {
    auto visitQueue = [&visit](Queue& queue) {
        for (QueueEntry* entry = queue.Waiting.Entries().Head; entry; entry = entry->Next) visit(entry);
        for (QueueEntry* entry = queue.Sending.Head; entry; entry = entry->Next) visit(entry);
    };
    for (Connection* connection = state.Connections.Head; connection; connection = connection->Next)
        for (ServedChannel* channel = connection->ServedChannels.Head; channel; channel = channel->Next)
            visitQueue(channel->Regular);
    for (ChannelConfig* config = state.ChannelConfigs.Head; config; config = config->Next) {
        visitQueue(config->Small);
        visitQueue(config->OpVoice);
    }
    visitQueue(state.ListQueue);
}

}  // namespace qvs
