#include "sending/queue_rows.h"

#include "model/elapsed.h"
#include "stats/number_texts.h"

namespace qvs {

const List<QueueEntry>* ShownList(ModuleState& state, const ShownQueue& shown, QueueTab tab) {
    Queue* queue = FindShownQueue(state, shown);
    if (!queue) return nullptr;
    return tab == QueueTab::Sending ? &queue->Sending : &queue->Waiting.Entries();
}

int PositionIn(const List<QueueEntry>& list, const QueueEntry* entry) {
    if (!entry || list.Empty()) return -1;
    if (list.Tail == entry) return static_cast<int>(list.Count) - 1;
    int index = 0;
    for (const QueueEntry* at = list.Head; at; at = at->Next, ++index)
        if (at == entry) return index;
    return -1;
}

QueueRowTexts RowTexts(const QueueEntry& entry, uint64_t now) {
    std::string path = entry.FilePath.c_str();
    std::size_t cut = path.find_last_of('\\');
    std::size_t nameStart = cut == std::string::npos ? 0 : cut + 1;
    return {entry.Held ? "?" : "",
            entry.Nick.c_str(),
            path.substr(nameStart),
            FormatSize(entry.FileSize),
            std::to_string(MinutesSince(entry.QueuedTime, now)),
            path.substr(0, nameStart)};
}

}  // namespace qvs
