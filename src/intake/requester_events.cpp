#include "intake/requester_events.h"

#include "hostlink/connections.h"
#include "ports/panel_port.h"
#include "sending/hold.h"

namespace qvs {
namespace {

void SetNick(List<QueueEntry>&, QueueEntry* entry, const char* nick) { entry->Nick.Set(nick); }
void SetNick(WaitingList& entries, QueueEntry* entry, const char* nick) { entries.Rename(entry, nick); }

// Renames matching entries of one list; only entries of that connection when
// the queue is shared between connections. Returns the first renamed entry.
template <typename Entries>
QueueEntry* RenameIn(ModuleState& state, QueueKind kind, Entries& entries, const NickChange& change,
                     uint32_t connectionId, bool updateRows) {
    QueueEntry* first = nullptr;
    for (QueueEntry* entry = entries.Head; entry; entry = entry->Next) {
        if (!entry->Nick.Equals(change.OldNick)) continue;
        if (kind != QueueKind::Regular && entry->ConnectionId != connectionId) continue;
        SetNick(entries, entry, change.NewNick);
        if (updateRows) state.Ports.Panel->QueueRowChanged(kind, entry);
        if (!first) first = entry;
    }
    return first;
}

void RenameInChannel(ModuleState& state, ServedChannel* channel, const NickChange& change, uint32_t connectionId) {
    RenameIn(state, QueueKind::Regular, channel->Regular.Waiting, change, connectionId, true);
    QueueEntry* sending = nullptr;
    for (QueueEntry* entry = channel->Regular.Sending.Head; entry; entry = entry->Next) {
        if (!entry->Nick.Equals(change.OldNick)) continue;
        entry->Nick.Set(change.NewNick);
        if (!sending && entry->Batch) sending = entry;
    }
    if (sending) sending->Batch->Nick.Set(change.NewNick);
    ChannelConfig* config = channel->Config;
    RenameIn(state, QueueKind::SmallFile, config->Small.Waiting, change, connectionId, true);
    RenameIn(state, QueueKind::SmallFile, config->Small.Sending, change, connectionId, false);
    RenameIn(state, QueueKind::OpVoice, config->OpVoice.Waiting, change, connectionId, true);
    RenameIn(state, QueueKind::OpVoice, config->OpVoice.Sending, change, connectionId, false);
}

void ReleaseIfHeld(ModuleState& state, QueueKind kind, Queue& queue, ServedChannel* channel, const char* nick) {
    if (queue.HeldCount == 0) return;
    ReleaseHeldEntries(state, kind, queue, nick);
    state.Ports.Panel->RefreshQueueCounters(kind, channel->Config, kind == QueueKind::Regular ? channel : nullptr);
}

}  // namespace

void RenameRequester(ModuleState& state, uint32_t connectionId, const NickChange& change) {
    Connection* connection = FindConnection(state, connectionId);
    if (!connection) return;
    for (ServedChannel* channel = connection->ServedChannels.Head; channel; channel = channel->Next)
        RenameInChannel(state, channel, change, connectionId);
}

void ReleaseHeldRequests(ModuleState& state, uint32_t connectionId, const char* nick) {
    Connection* connection = FindConnection(state, connectionId);
    if (!connection) return;
    for (ServedChannel* channel = connection->ServedChannels.Head; channel; channel = channel->Next) {
        ReleaseIfHeld(state, QueueKind::Regular, channel->Regular, channel, nick);
        ReleaseIfHeld(state, QueueKind::SmallFile, channel->Config->Small, channel, nick);
        ReleaseIfHeld(state, QueueKind::OpVoice, channel->Config->OpVoice, channel, nick);
    }
}

}  // namespace qvs
