// What a queue view's rows show: one list of the queue it shows (the
// waiting entries or the sends in progress), in list order, each entry's
// cells as text.
#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "sending/shown_queue.h"

namespace qvs {

enum class QueueTab : uint32_t { Waiting, Sending };

// Held mark, nick, file name, size, minutes waited, folder.
constexpr int kQueueRowCells = 6;
using QueueRowTexts = std::array<std::string, kQueueRowCells>;

// The list the view shows, or null when its queue no longer exists.
const List<QueueEntry>* ShownList(ModuleState& state, const ShownQueue& shown, QueueTab tab);

// The entry's place in the list, or -1. Entries mostly arrive at either
// end, which is looked at first.
int PositionIn(const List<QueueEntry>& list, const QueueEntry* entry);

// "?" when held; the path split after its last backslash into the file name
// and the folder that keeps the backslash.
QueueRowTexts RowTexts(const QueueEntry& entry, uint64_t now);

}  // namespace qvs
