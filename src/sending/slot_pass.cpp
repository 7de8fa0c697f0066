#include "sending/slot_pass.h"

#include "sending/hold.h"
#include "sending/send_slots.h"
#include "sending/start_send.h"

namespace qvs {
namespace {

// One scheme, three parameter sets.
struct SlotQueue {
    Queue* Owner;
    uint32_t Slots;
    uint32_t HoldFlag;
    const ChannelConfig* HoldsAbsentNicks;  // the configuration whose "Keep requests for" applies; none for List
};

SlotQueue SlotQueueOf(ModuleState& state, QueueKind kind, ServedChannel* channel) {
    if (kind == QueueKind::List) return {&state.ListQueue, state.Settings.ListQueueLimit, state.HoldListQueue, nullptr};
    ChannelConfig* config = channel->Config;
    if (kind == QueueKind::SmallFile) return {&config->Small, config->SQueueSlots, config->HoldSmallFile, config};
    return {&config->OpVoice, config->OpSlots, config->HoldOpVoice, config};
}

bool HasFreeSlot(const SlotQueue& slots) {
    return static_cast<int64_t>(slots.Slots) - static_cast<int64_t>(slots.Owner->Sending.Count) > 0;
}

// The first entry whose turn has come: not held, its list not being rebuilt,
// its nick not already receiving from this queue, its nick still here.
QueueEntry* NextToStart(ModuleState& state, QueueKind kind, const SlotQueue& slots) {
    Queue& queue = *slots.Owner;
    for (QueueEntry* entry = queue.Waiting.Head; entry; entry = entry->Next) {
        if (!EntryCanStart(entry) || NickIsSending(queue, entry->Nick.c_str())) continue;
        if (slots.HoldsAbsentNicks && HoldIfNickGone(state, kind, queue, slots.HoldsAbsentNicks, entry)) continue;
        return entry;
    }
    return nullptr;
}

}  // namespace

void RunSlotPass(ModuleState& state, QueueKind kind, ServedChannel* channel) {
    SlotQueue slots = SlotQueueOf(state, kind, channel);
    if (QueueIsHeld(state, slots.HoldFlag)) return;
    if (slots.Owner->Waiting.Empty() || !HasFreeSlot(slots)) return;
    QueueEntry* entry = NextToStart(state, kind, slots);
    if (!entry) return;
    TakeSendSlot(state, kind, *slots.Owner, entry);
    StartSend(state, entry, false);
}

}  // namespace qvs
