#include "sending/queue_order.h"

#include <unordered_set>

namespace qvs {
namespace {

std::vector<QueueEntry*> InOrder(const List<QueueEntry>& entries) {
    std::vector<QueueEntry*> all;
    all.reserve(entries.Count);
    for (QueueEntry* entry = entries.Head; entry; entry = entry->Next) all.push_back(entry);
    return all;
}

// How far the selected entries travel; negative is toward the top.
long ShiftOf(QueueMove move, long first, long last, long count) {
    switch (move) {
        case QueueMove::Top: return -first;
        case QueueMove::Up: return first > 0 ? -1 : 0;
        case QueueMove::Bottom: return count - 1 - last;
        case QueueMove::Down: return last < count - 1 ? 1 : 0;
    }
    return 0;
}

// Selected entries shifted together; the others fill the places left, in
// their own order.
std::vector<QueueEntry*> Shifted(const std::vector<QueueEntry*>& all, const std::unordered_set<QueueEntry*>& chosen,
                                 long shift) {
    std::vector<QueueEntry*> order(all.size(), nullptr);
    for (std::size_t place = 0; place < all.size(); ++place)
        if (chosen.count(all[place])) order[place + shift] = all[place];
    std::size_t free = 0;
    for (QueueEntry* entry : all) {
        if (chosen.count(entry)) continue;
        while (order[free]) ++free;
        order[free] = entry;
    }
    return order;
}

void Relink(WaitingList& waiting, const std::vector<QueueEntry*>& order) {
    for (QueueEntry* entry : order) {
        waiting.Unlink(entry);
        waiting.PushBack(entry);
    }
}

long PlaceOf(const std::vector<QueueEntry*>& all, const QueueEntry* entry) {
    long place = 0;
    while (all[place] != entry) ++place;
    return place;
}

}  // namespace

uint32_t MoveInQueue(ModuleState& state, const ShownQueue& shown, const std::vector<QueueEntry*>& selection,
                     QueueMove move) {
    Queue* queue = FindShownQueue(state, shown);
    if (!queue) return 0;
    std::vector<QueueEntry*> chosen = SelectedIn(queue->Waiting.Entries(), selection);
    if (chosen.empty()) return 0;
    std::vector<QueueEntry*> all = InOrder(queue->Waiting.Entries());
    long count = static_cast<long>(all.size());
    long shift = ShiftOf(move, PlaceOf(all, chosen.front()), PlaceOf(all, chosen.back()), count);
    if (shift == 0) return 0;
    Relink(queue->Waiting, Shifted(all, {chosen.begin(), chosen.end()}, shift));
    RefillShownRows(state, shown);
    return 1;
}

uint32_t MoveBefore(ModuleState& state, const ShownQueue& shown, QueueEntry* dragged, QueueEntry* target) {
    Queue* queue = shown.Kind == QueueKind::Regular ? FindShownQueue(state, shown) : nullptr;
    if (!queue || dragged == target) return 0;
    if (SelectedIn(queue->Waiting.Entries(), {dragged, target}).size() != 2) return 0;
    queue->Waiting.Unlink(dragged);
    queue->Waiting.InsertBefore(target, dragged);
    RefillShownRows(state, shown);
    return 1;
}

}  // namespace qvs
