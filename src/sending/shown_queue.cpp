#include "sending/shown_queue.h"

#include <unordered_set>

#include "model/channel_config.h"
#include "model/queue_ops.h"
#include "ports/panel_port.h"

namespace qvs {
namespace {

// The panel port names a queue by its kind, its ChannelConfig (none for the
// List queue) and its ServedChannel (Regular only).
ShownQueue PortOwners(const ShownQueue& shown) {
    switch (shown.Kind) {
        case QueueKind::List: return {shown.Kind, nullptr, nullptr};
        case QueueKind::Regular: return {shown.Kind, shown.Channel->Config, shown.Channel};
        default: return {shown.Kind, shown.Config, nullptr};
    }
}

}  // namespace

Queue* FindShownQueue(ModuleState& state, const ShownQueue& shown) {
    switch (shown.Kind) {
        case QueueKind::List: return &state.ListQueue;
        case QueueKind::Regular:
            return ServedChannelExists(state, shown.Channel) ? &shown.Channel->Regular : nullptr;
        default:
            return ChannelConfigExists(state, shown.Config) ? &QueueOf(state, shown.Kind, shown.Config) : nullptr;
    }
}

std::vector<QueueEntry*> SelectedIn(const List<QueueEntry>& entries, const std::vector<QueueEntry*>& selection) {
    std::unordered_set<const QueueEntry*> wanted(selection.begin(), selection.end());
    std::vector<QueueEntry*> found;
    for (QueueEntry* entry = entries.Head; entry && found.size() < wanted.size(); entry = entry->Next)
        if (wanted.count(entry)) found.push_back(entry);
    return found;
}

void RefreshShownCounts(ModuleState& state, const ShownQueue& shown) {
    ShownQueue owners = PortOwners(shown);
    state.Ports.Panel->RefreshQueueCounters(shown.Kind, owners.Config, owners.Channel);
}

void RefillShownRows(ModuleState& state, const ShownQueue& shown) {
    ShownQueue owners = PortOwners(shown);
    state.Ports.Panel->RefillQueueRows(shown.Kind, owners.Config, owners.Channel);
}

}  // namespace qvs
