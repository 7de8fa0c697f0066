#include "sending/hold_expiry.h"

#include <vector>

#include "model/queue_ops.h"
#include "ports/panel_port.h"
#include "sending/waiting_entries.h"

namespace qvs {
namespace {

void ExpireIn(ModuleState& state, QueueKind kind, Queue& queue, uint32_t holdTime) {
    for (QueueEntry* entry = queue.Waiting.Head; entry;) {
        QueueEntry* next = entry->Next;
        if (entry->Held) {
            if (entry->HeldMinutes >= holdTime) {
                RemoveWaitingEntry(state, kind, queue, entry);
            } else {
                ++entry->HeldMinutes;
                state.Ports.Panel->QueueRowChanged(kind, entry);
            }
        }
        entry = next;
    }
}

bool Contains(const std::vector<const ChannelConfig*>& configs, const ChannelConfig* config) {
    for (const ChannelConfig* seen : configs)
        if (seen == config) return true;
    return false;
}

}  // namespace

void ExpireHeldEntries(ModuleState& state) {
    // A channel name served on several connections shares its SmallFile and
    // OpVoice queues; they age once a minute all the same.
    std::vector<const ChannelConfig*> aged;
    const ChannelConfig* last = nullptr;
    for (Connection* connection = state.Connections.Head; connection; connection = connection->Next) {
        for (ServedChannel* channel = connection->ServedChannels.Head; channel; channel = channel->Next) {
            ChannelConfig* config = channel->Config;
            ExpireIn(state, QueueKind::Regular, channel->Regular, config->HoldTime);
            last = config;
            if (Contains(aged, config)) continue;
            aged.push_back(config);
            ExpireIn(state, QueueKind::SmallFile, config->Small, config->HoldTime);
            ExpireIn(state, QueueKind::OpVoice, config->OpVoice, config->HoldTime);
        }
    }
    // List entries follow the last channel visited; with no channel served
    // there are none.
    if (last) ExpireIn(state, QueueKind::List, state.ListQueue, last->HoldTime);
}

}  // namespace qvs
