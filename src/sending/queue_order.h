// "Move" within a queue: the selected waiting entries go to the top or the
// bottom, or one place up or down, keeping the distances between them.
#pragma once
#include <cstdint>
#include <vector>

#include "sending/shown_queue.h"

namespace qvs {

enum class QueueMove : uint32_t { Top, Bottom, Up, Down };

// 1 when the queue's order changed. Nothing moves when the first selected
// entry is already first (Top, Up) or the last entry is selected (Bottom,
// Down), nor for a selection of which no entry still waits in the queue.
uint32_t MoveInQueue(ModuleState& state, const ShownQueue& shown, const std::vector<QueueEntry*>& selection,
                     QueueMove move);

// Dragging on a regular page: the dragged entry goes just before the target.
// 1 when it moved; both must wait in the queue and differ.
uint32_t MoveBefore(ModuleState& state, const ShownQueue& shown, QueueEntry* dragged, QueueEntry* target);

}  // namespace qvs
