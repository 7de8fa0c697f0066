#include "sending/completion.h"

#include "model/names.h"
#include "ports/panel_port.h"
#include "sending/scheduler.h"
#include "sending/send_slots.h"
#include "sending/start_send.h"
#include "stats/statistics.h"
#include "stats/top_list.h"

namespace qvs {
namespace {

// The sending entry a report is about, with the queue that holds it and the
// channel it was found through.
struct FoundSend {
    QueueEntry* Entry = nullptr;
    QueueKind Kind = QueueKind::Regular;
    Queue* Owner = nullptr;
    ServedChannel* Channel = nullptr;
};

QueueEntry* FindIn(Queue& queue, const SendEvent& report) {
    for (QueueEntry* entry = queue.Sending.Head; entry; entry = entry->Next)
        if (entry->ConnectionId == report.ConnectionId && entry->Nick.Equals(report.Nick) &&
            entry->FilePath.Equals(report.FilePath))
            return entry;
    return nullptr;
}

FoundSend FindInChannel(ModuleState& state, ServedChannel* channel, const SendEvent& report) {
    const struct {
        QueueKind Kind;
        Queue* Owner;
    } places[] = {{QueueKind::Regular, &channel->Regular},
                  {QueueKind::SmallFile, &channel->Config->Small},
                  {QueueKind::OpVoice, &channel->Config->OpVoice},
                  {QueueKind::List, &state.ListQueue}};
    for (const auto& place : places)
        if (QueueEntry* entry = FindIn(*place.Owner, report)) return {entry, place.Kind, place.Owner, channel};
    return {};
}

FoundSend FindSend(ModuleState& state, const SendEvent& report) {
    for (Connection* connection = state.Connections.Head; connection; connection = connection->Next) {
        if (connection->ConnectionId != report.ConnectionId) continue;
        for (ServedChannel* channel = connection->ServedChannels.Head; channel; channel = channel->Next) {
            FoundSend found = FindInChannel(state, channel, report);
            if (found.Entry) return found;
        }
    }
    return {};
}

const ResendRule& ResendRuleOf(const ChannelConfig* config, QueueKind kind) {
    switch (kind) {
        case QueueKind::SmallFile: return config->SQueueResend;
        case QueueKind::OpVoice: return config->OpVoiceQueueResend;
        default: return config->RegularQueueResend;
    }
}

bool MayResend(const ResendRule& rule, const QueueEntry* entry) {
    return rule.Use == 1 && entry->ResendAttempts < rule.Limit && entry->FileSize >= rule.FileSize;
}

void CountSuccess(ModuleState& state, const FoundSend& send, const SendEvent& report) {
    ChannelConfig* config = send.Channel->Config;
    RecordCompletedSend(config, report.Bytes, report.Cps);
    state.Ports.Panel->RefreshChannelStatistics(config);
    UpdateTopList(state, send.Channel, report.FilePath);
}

// Back to the tail of its own queue, keeping its attempts and request time.
void Requeue(ModuleState& state, const FoundSend& send) {
    QueueEntry* entry = send.Entry;
    FreeSendSlot(state, send.Kind, *send.Owner, entry);
    entry->Batch = nullptr;
    send.Owner->Waiting.PushBack(entry);
    state.Ports.Panel->QueueRowAdded(send.Kind, entry);
    RefreshQueueCounts(state, send.Kind, entry->Channel);
    RunScheduler(state, send.Channel);
}

void Resend(ModuleState& state, const FoundSend& send, const ResendRule& rule) {
    QueueEntry* entry = send.Entry;
    ++entry->ResendAttempts;
    entry->ResendLimit = rule.Limit;
    if (rule.Method == 0)
        StartSend(state, entry, true);
    else
        Requeue(state, send);
}

}  // namespace

void CompleteSend(ModuleState& state, const SendEvent& report, bool succeeded) {
    if (!report.Nick || !report.FilePath) return;
    FoundSend send = FindSend(state, report);
    if (!send.Entry) return;
    if (send.Kind == QueueKind::List) {
        EndSend(state, send.Kind, *send.Owner, send.Entry);
        RunQueuePass(state, QueueKind::List, nullptr);
        return;
    }
    if (!succeeded) {
        const ResendRule& rule = ResendRuleOf(send.Channel->Config, send.Kind);
        if (MayResend(rule, send.Entry)) return Resend(state, send, rule);
    }
    EndSend(state, send.Kind, *send.Owner, send.Entry);
    if (succeeded) CountSuccess(state, send, report);
    RunScheduler(state, send.Channel);
}

}  // namespace qvs
