#include "sending/send_cancel.h"

#include "ports/panel_port.h"
#include "sending/close_host_send.h"
#include "sending/scheduler.h"
#include "sending/send_slots.h"

namespace qvs {
namespace {

constexpr char kCancelAllQuestion[] = "Do you want to cancel all sends in this queue?";

uint32_t CloseSendOf(ModuleState& state, const QueueEntry* entry) {
    return CloseHostSend(state, entry->ConnectionId, entry->Nick.c_str(), entry->FilePath.c_str());
}

// The slot a cancelled send held goes to the next waiting entry; the List
// queue is served without a channel.
void OfferFreedSlot(ModuleState& state, QueueKind kind, ServedChannel* channel) {
    RunScheduler(state, kind == QueueKind::List ? nullptr : channel);
}

}  // namespace

uint32_t CancelSend(ModuleState& state, const ShownQueue& shown, const std::vector<QueueEntry*>& selection) {
    Queue* queue = FindShownQueue(state, shown);
    if (!queue) return 0;
    std::vector<QueueEntry*> chosen = SelectedIn(queue->Sending, selection);
    if (chosen.empty()) return 0;
    QueueEntry* entry = chosen.front();
    ServedChannel* channel = entry->Channel;
    CloseSendOf(state, entry);
    EndSend(state, shown.Kind, *queue, entry);
    OfferFreedSlot(state, shown.Kind, channel);
    return 1;
}

// The box's modal loop goes on handling events: the queue and its sends are
// looked at once the operator has answered.
uint32_t CancelAllSends(ModuleState& state, const ShownQueue& shown) {
    if (!FindShownQueue(state, shown)) return 0;
    if (state.Ports.Panel->ShowMessage(kCancelAllQuestion, kIconQuestion) != kAnswerYes) return 0;
    Queue* queue = FindShownQueue(state, shown);
    if (!queue) return 0;
    uint32_t cancelled = 0;
    ServedChannel* channel = nullptr;
    for (QueueEntry* entry = queue->Sending.Head; entry;) {
        QueueEntry* next = entry->Next;
        if (CloseSendOf(state, entry)) {
            channel = entry->Channel;
            EndSend(state, shown.Kind, *queue, entry);
            ++cancelled;
        }
        entry = next;
    }
    if (cancelled) OfferFreedSlot(state, shown.Kind, channel);
    return cancelled;
}

}  // namespace qvs
