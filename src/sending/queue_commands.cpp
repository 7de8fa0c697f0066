#include "sending/queue_commands.h"

#include <string>
#include <unordered_set>

#include "model/names.h"
#include "model/queue_ops.h"
#include "ports/panel_port.h"
#include "sending/send_slots.h"
#include "sending/start_send.h"
#include "sending/waiting_entries.h"

namespace qvs {
namespace {

constexpr char kClearQuestion[] = "Are you sure you want to clear all items in this queue?";

void SendOne(ModuleState& state, QueueKind kind, Queue& queue, QueueEntry* entry) {
    state.Ports.Panel->QueueRowRemoved(kind, entry);
    queue.Waiting.Unlink(entry);
    if (entry->Held && queue.HeldCount) --queue.HeldCount;
    StartSend(state, entry, false);
    ReleaseEntry(entry);
}

}  // namespace

uint32_t SendNow(ModuleState& state, const ShownQueue& shown, const std::vector<QueueEntry*>& selection) {
    Queue* queue = FindShownQueue(state, shown);
    if (!queue) return 0;
    uint32_t sent = 0;
    for (QueueEntry* entry : SelectedIn(queue->Waiting.Entries(), selection)) {
        if (ListFileIsRebuilding(entry)) continue;
        SendOne(state, shown.Kind, *queue, entry);
        ++sent;
    }
    if (sent) RefreshShownCounts(state, shown);
    return sent;
}

uint32_t RemoveSelected(ModuleState& state, const ShownQueue& shown, const std::vector<QueueEntry*>& selection) {
    Queue* queue = FindShownQueue(state, shown);
    if (!queue) return 0;
    std::vector<QueueEntry*> chosen = SelectedIn(queue->Waiting.Entries(), selection);
    for (QueueEntry* entry : chosen) RemoveWaitingEntry(state, shown.Kind, *queue, entry);
    return static_cast<uint32_t>(chosen.size());
}

// The box's modal loop goes on handling events: the queue is looked up again
// once the operator has answered.
uint32_t ClearQueue(ModuleState& state, const ShownQueue& shown) {
    if (!FindShownQueue(state, shown)) return 0;
    if (state.Ports.Panel->ShowMessage(kClearQuestion, kIconQuestion) != kAnswerYes) return 0;
    Queue* queue = FindShownQueue(state, shown);
    if (!queue) return 0;
    ReleaseEntries(queue->Waiting);
    queue->HeldCount = 0;
    RefillShownRows(state, shown);
    RefreshShownCounts(state, shown);
    return 1;
}

std::vector<QueueEntry*> SelectAllByNick(const List<QueueEntry>& entries, const std::vector<QueueEntry*>& selection) {
    std::unordered_set<std::string> nicks;
    for (const QueueEntry* entry : SelectedIn(entries, selection)) nicks.insert(FoldedName(entry->Nick.c_str()));
    std::vector<QueueEntry*> matching;
    for (QueueEntry* entry = entries.Head; entry && !nicks.empty(); entry = entry->Next)
        if (nicks.count(FoldedName(entry->Nick.c_str()))) matching.push_back(entry);
    return matching;
}

}  // namespace qvs
