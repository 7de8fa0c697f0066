#include "sending/regular_pass.h"

#include "model/memory.h"
#include "sending/hold.h"
#include "sending/host_sends.h"
#include "sending/send_slots.h"
#include "sending/start_send.h"
#include "users/group_membership.h"

namespace qvs {
namespace {

void StartInBatch(ModuleState& state, ServedChannel* channel, QueueEntry* entry, Batch* batch) {
    TakeSendSlot(state, QueueKind::Regular, channel->Regular, entry);
    entry->Batch = batch;
    StartSend(state, entry, false);
}

bool NickHasBatch(const ServedChannel* channel, const char* nick) {
    for (const Batch* batch = channel->Batches.Head; batch; batch = batch->Next)
        if (batch->Nick.Equals(nick)) return true;
    return false;
}

// A nick whose group sets its own batch size gets that; the first group
// that holds the nick decides.
uint32_t BatchSizeFor(const ChannelConfig* config, const char* nick) {
    const GroupSelection* selection = FindGroupSelection(config, nick);
    return selection && selection->BatchSize ? selection->BatchSize : config->BatchSize;
}

// Opens a batch for the first waiting nick that has none. True when a send
// was started.
bool OpenBatch(ModuleState& state, ServedChannel* channel) {
    Queue& queue = channel->Regular;
    for (QueueEntry* entry = queue.Waiting.Head; entry; entry = entry->Next) {
        if (!EntryCanStart(entry) || NickHasBatch(channel, entry->Nick.c_str())) continue;
        if (HoldIfNickGone(state, QueueKind::Regular, queue, channel->Config, entry)) continue;
        Batch* batch = NewRecord<Batch>();
        if (!batch) return false;
        batch->Nick = entry->Nick;
        batch->FilesStarted = 1;
        channel->Batches.PushFront(batch);
        StartInBatch(state, channel, entry, batch);
        return true;
    }
    return false;
}

// Another nick is preferred; only when nobody else waits may the same nick
// open a new batch.
void CloseBatch(ModuleState& state, ServedChannel* channel, Batch* batch) {
    bool started = OpenBatch(state, channel);
    channel->Batches.Unlink(batch);
    DeleteRecord(batch);
    if (!started) OpenBatch(state, channel);
}

// The batch's nick's next file, or null when none may start.
QueueEntry* NextInBatch(ModuleState& state, ServedChannel* channel, const Batch* batch) {
    Queue& queue = channel->Regular;
    for (QueueEntry* entry = queue.Waiting.FirstOfNick(batch->Nick.c_str()); entry; entry = entry->NickNext) {
        if (!EntryCanStart(entry)) continue;
        if (HoldIfNickGone(state, QueueKind::Regular, queue, channel->Config, entry)) continue;
        return entry;
    }
    return nullptr;
}

Batch* FirstReadyBatch(ServedChannel* channel) {
    for (Batch* batch = channel->Batches.Head; batch; batch = batch->Next)
        if (batch->Ready == 1) return batch;
    return nullptr;
}

void ContinueOrStartBatch(ModuleState& state, ServedChannel* channel) {
    Batch* batch = FirstReadyBatch(channel);
    if (!batch) {
        OpenBatch(state, channel);
        return;
    }
    if (batch->FilesStarted >= BatchSizeFor(channel->Config, batch->Nick.c_str())) {
        CloseBatch(state, channel, batch);
        return;
    }
    QueueEntry* entry = NextInBatch(state, channel, batch);
    if (!entry) {
        CloseBatch(state, channel, batch);
        return;
    }
    ++batch->FilesStarted;
    batch->Ready = 0;
    StartInBatch(state, channel, entry, batch);
}

// Beyond MinSlot another send starts only while no send of the host is
// stalled and the recent upload stays below the threshold.
bool BandwidthAllowsAnother(ModuleState& state) {
    if (CountStalledSends(state) != 0) return false;
    uint64_t sum = 0;
    for (uint32_t sample : state.SpeedSamples) sum += sample;
    return sum / 3 < state.Settings.Threshold;
}

}  // namespace

void RunRegularPass(ModuleState& state, ServedChannel* channel) {
    const ChannelConfig* config = channel->Config;
    if (QueueIsHeld(state, config->HoldRegular)) return;
    uint32_t sending = channel->Regular.Sending.Count;
    if (config->MaxSlot <= sending) return;
    if (sending < config->MinSlot || BandwidthAllowsAnother(state)) ContinueOrStartBatch(state, channel);
}

}  // namespace qvs
