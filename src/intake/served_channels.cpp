#include "intake/served_channels.h"

#include <cstdio>
#include <string>

#include "ads/ad_timers.h"
#include "hostlink/command_log.h"
#include "hostlink/connections.h"
#include "hostlink/host_link.h"
#include "hostlink/operator_boxes.h"
#include "model/channel_config.h"
#include "model/memory.h"
#include "model/queue_ops.h"
#include "persistence/queue_file.h"
#include "ports/panel_port.h"
#include "ports/timer_port.h"
#include "sending/close_host_send.h"
#include "sending/waiting_entries.h"

namespace qvs {

const char kNoNetworkNameMessage[] =
    "The IRC server you are connecting to does't provide a network name.\r\n"
    "I strongly recommend that you choose another IRC server that provides network name.\r\n"
    "If you want to serve in this channel even if the network name is not available, \r\n"
    "delete ALL entries in Network listbox on Sharing tab and rejoin the channel";

namespace {

// A channel restricted to networks is served only where the connection's
// network name is one of them.
bool NetworkAllows(ModuleState& state, ChannelConfig* config, uint32_t connectionId) {
    if (config->Networks.Empty()) return true;
    Connection* connection = FindConnection(state, connectionId);
    if (!connection) return false;
    if (connection->NetworkName.IsNone()) {
        ShowOperatorBox(state, OperatorBox::NoNetworkName, kNoNetworkNameMessage, kIconError);
        return false;
    }
    for (NameNode* network = config->Networks.Head; network; network = network->Next)
        if (network->Value.Equals(connection->NetworkName.c_str())) return true;
    return false;
}

void EvaluateOwnNick(ModuleState& state, ServedChannel* channel, uint32_t connectionId) {
    std::string nick;
    bool answered = connectionId ? Evaluate(state, nick, "$scid(%lu).$me", static_cast<unsigned long>(connectionId))
                                 : Evaluate(state, nick, "$me");
    if (answered) channel->OwnNick.Set(nick.c_str());
}

void EndRestoreHold(ModuleState& state, void* context, TimerId timer) {
    auto* channel = static_cast<ServedChannel*>(context);
    state.Ports.Timers->KillTimer(timer);
    channel->RestoreHold = 0;
    channel->RestoreTimer = 0;
}

void RestoreQueues(ModuleState& state, ServedChannel* channel) {
    RestoreChannelQueues(state, channel);
    ChannelConfig* config = channel->Config;
    if (channel->Regular.Waiting.Count == 0 && config->Small.Waiting.Count == 0 && config->OpVoice.Waiting.Count == 0)
        return;
    channel->RestoreHold = kRestoreHoldMs;
    channel->RestoreTimer = state.Ports.Timers->StartTimer(kRestoreHoldMs, EndRestoreHold, channel);
}

ServedChannel* CreateServedChannel(ModuleState& state, ChannelConfig* config, uint32_t connectionId) {
    Connection* connection = FindConnection(state, connectionId);
    if (!connection) connection = OpenConnection(state, connectionId);
    if (!connection) return nullptr;
    ServedChannel* channel = NewRecord<ServedChannel>();
    InstanceLink* link = NewRecord<InstanceLink>();
    if (!channel || !link) {
        DeleteRecord(channel);
        DeleteRecord(link);
        return nullptr;
    }
    channel->Config = config;
    channel->Connection = connection;
    connection->ServedChannels.PushFront(channel);
    EvaluateOwnNick(state, channel, connectionId);
    link->Channel = channel;
    channel->ConfigLink = link;
    config->Instances.PushFront(link);
    return channel;
}

// The entries of one channel leave a shared sending list: the host's send is
// closed and the entry released.
void DropSharedSends(ModuleState& state, QueueKind kind, Queue& queue, ServedChannel* channel) {
    for (QueueEntry* entry = queue.Sending.Head; entry;) {
        QueueEntry* next = entry->Next;
        if (entry->Channel == channel) {
            queue.Sending.Unlink(entry);
            state.Ports.Panel->RefreshQueueCounters(kind, channel->Config, nullptr);
            state.Ports.Panel->QueueRowRemoved(kind, entry);
            CloseHostSend(state, entry->ConnectionId, entry->Nick.c_str(), entry->FilePath.c_str());
            ReleaseEntry(entry);
        }
        entry = next;
    }
}

void DropSharedWaiting(ModuleState& state, QueueKind kind, Queue& queue, ServedChannel* channel) {
    for (QueueEntry* entry = queue.Waiting.Head; entry;) {
        QueueEntry* next = entry->Next;
        if (entry->Channel == channel) RemoveWaitingEntry(state, kind, queue, entry);
        entry = next;
    }
}

void DropSharedEntries(ModuleState& state, QueueKind kind, Queue& queue, ServedChannel* channel) {
    DropSharedWaiting(state, kind, queue, channel);
    DropSharedSends(state, kind, queue, channel);
}

void DropRegularQueue(ModuleState& state, ServedChannel* channel) {
    ReleaseEntries(channel->Regular.Waiting);
    channel->Regular.HeldCount = 0;
    channel->Regular.Sending.ReleaseAll([&state](QueueEntry* entry) {
        CloseHostSend(state, entry->ConnectionId, entry->Nick.c_str(), entry->FilePath.c_str());
        ReleaseEntry(entry);
    });
    channel->Batches.ReleaseAll(DeleteRecord<Batch>);
}

void ForgetRestoration(ModuleState& state, ServedChannel* channel) {
    if (channel->RestoreTimer) state.Ports.Timers->KillTimer(channel->RestoreTimer);
    channel->RestoreTimer = 0;
    for (RestorationNode* node = state.PendingRestoration.Head; node;) {
        RestorationNode* next = node->Next;
        if (node->Channel == channel) {
            state.PendingRestoration.Unlink(node);
            DeleteRecord(node);
        }
        node = next;
    }
    if (state.PendingRestoration.Empty() && state.RestorationTimer) {
        state.Ports.Timers->KillTimer(state.RestorationTimer);
        state.RestorationTimer = 0;
    }
}

}  // namespace

ServedChannel* FindServedChannel(ModuleState& state, uint32_t connectionId, const char* channelName) {
    for (Connection* connection = state.Connections.Head; connection; connection = connection->Next) {
        if (connection->ConnectionId != connectionId) continue;
        for (ServedChannel* channel = connection->ServedChannels.Head; channel; channel = channel->Next)
            if (channel->Config->ChannelName.Equals(channelName)) return channel;
    }
    return nullptr;
}

ServedChannel* OpenServedChannel(ModuleState& state, uint32_t connectionId, const char* channelName) {
    if (state.Link.CommandLogging) {
        char line[64];
        std::snprintf(line, sizeof line, "ConnectionID: %lu  ChannelName: ", static_cast<unsigned long>(connectionId));
        LogPlainLine(state, std::string(line) + channelName);
    }
    if (ServedChannel* existing = FindServedChannel(state, connectionId, channelName)) return existing;
    ChannelConfig* config = FindChannelConfig(state, channelName);
    if (!config || !NetworkAllows(state, config, connectionId)) return nullptr;
    ServedChannel* channel = CreateServedChannel(state, config, connectionId);
    if (!channel) return nullptr;
    if (state.Ports.Panel->SelectedChannel() == config) state.Ports.Panel->AddInstanceTab(channel);
    StartChannelAds(state, channel);
    if (config->RestoreSavedQueue == 1) RestoreQueues(state, channel);
    return channel;
}

void ReleaseServedChannel(ModuleState& state, ServedChannel* channel) {
    ChannelConfig* config = channel->Config;
    if (state.Ports.Panel->SelectedChannel() == config) state.Ports.Panel->RemoveInstanceTab(channel);
    channel->Connection->ServedChannels.Unlink(channel);
    DropRegularQueue(state, channel);
    DropSharedEntries(state, QueueKind::SmallFile, config->Small, channel);
    DropSharedEntries(state, QueueKind::OpVoice, config->OpVoice, channel);
    DropSharedEntries(state, QueueKind::List, state.ListQueue, channel);
    StopChannelAds(state, channel);
    ForgetRestoration(state, channel);
    config->Instances.Unlink(channel->ConfigLink);
    DeleteRecord(channel->ConfigLink);
    DeleteRecord(channel);
}

void RemoveChannelConfig(ModuleState& state, ChannelConfig* config) {
    while (InstanceLink* link = config->Instances.Head) ReleaseServedChannel(state, link->Channel);
    DeleteChannelConfig(state, config);
}

void CloseConnection(ModuleState& state, uint32_t connectionId) {
    Connection* connection = FindConnection(state, connectionId);
    if (!connection) return;
    state.Connections.Unlink(connection);
    while (ServedChannel* channel = connection->ServedChannels.Head) {
        if (channel->Config->SaveQueueOnExit == 1) SaveChannelQueues(state, channel);
        ReleaseServedChannel(state, channel);
    }
    ReleaseConnection(state, connection);
}

}  // namespace qvs
