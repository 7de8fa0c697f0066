#include "sending/queue_transfer.h"

#include "model/queue_ops.h"
#include "ports/panel_port.h"
#include "sending/send_slots.h"
#include "users/group_membership.h"

namespace qvs {
namespace {

// The queue an entry goes to, or null when it must stay.
Queue* TargetOf(ModuleState& state, QueueKind to, const QueueEntry* entry, ServedChannel* regularTarget) {
    switch (to) {
        case QueueKind::List: return &state.ListQueue;
        case QueueKind::Regular:
            return entry->ConnectionId == regularTarget->Connection->ConnectionId ? &regularTarget->Regular : nullptr;
        default: return entry->Channel ? &QueueOf(state, to, entry->Channel->Config) : nullptr;
    }
}

// A Regular entry belongs to its channel: its group is that channel's group
// of the nick, as if it had been requested there.
void Retag(QueueEntry* entry, QueueKind to, ServedChannel* regularTarget) {
    entry->InRegularQueue = to == QueueKind::Regular ? 1 : 0;
    if (to != QueueKind::Regular) return;
    entry->Channel = regularTarget;
    entry->Group = FindGroupSelection(regularTarget->Config, entry->Nick.c_str());
}

void Transfer(ModuleState& state, QueueKind fromKind, Queue& source, QueueKind to, Queue& target,
              QueueEntry* entry) {
    state.Ports.Panel->QueueRowRemoved(fromKind, entry);
    source.Waiting.Unlink(entry);
    if (entry->Held && source.HeldCount) --source.HeldCount;
    target.Waiting.PushBack(entry);
    if (entry->Held) ++target.HeldCount;
    state.Ports.Panel->QueueRowAdded(to, entry);
    RefreshQueueCounts(state, to, entry->Channel);
}

bool MayMove(const ModuleState& state, QueueKind fromKind, QueueKind to, const ServedChannel* regularTarget) {
    if (fromKind == to) return false;
    return to != QueueKind::Regular || ServedChannelExists(state, regularTarget);
}

}  // namespace

uint32_t MoveToQueue(ModuleState& state, const ShownQueue& from, const std::vector<QueueEntry*>& selection,
                     QueueKind to, ServedChannel* regularTarget) {
    Queue* source = FindShownQueue(state, from);
    if (!source || !MayMove(state, from.Kind, to, regularTarget)) return 0;
    uint32_t moved = 0;
    for (QueueEntry* entry : SelectedIn(source->Waiting.Entries(), selection)) {
        Queue* target = TargetOf(state, to, entry, regularTarget);
        if (!target) continue;
        Retag(entry, to, regularTarget);
        Transfer(state, from.Kind, *source, to, *target, entry);
        ++moved;
    }
    if (moved) RefreshShownCounts(state, from);
    return moved;
}

std::vector<ServedChannel*> RegularTargets(const ChannelConfig* config) {
    std::vector<ServedChannel*> targets;
    if (!config) return targets;
    for (const InstanceLink* link = config->Instances.Head; link; link = link->Next) targets.push_back(link->Channel);
    return targets;
}

std::string ServedChannelLabel(const ServedChannel* channel) {
    const Connection* connection = channel->Connection;
    std::string network = connection->NetworkName.c_str();
    if (connection->NetworkName.IsEmpty()) network = std::to_string(connection->ConnectionId);
    return network + " : " + channel->Config->ChannelName.c_str();
}

}  // namespace qvs
