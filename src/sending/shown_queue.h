// The queue a queue view shows, and the rows selected in it, checked against
// the records as they are now: a view's channel may have been deleted or
// parted, and its rows may name entries that have since started or gone.
#pragma once
#include <vector>

#include "model/channel_config.h"
#include "model/module_state.h"

namespace qvs {

// The List queue; the SmallFile or OpVoice queue of Config; the Regular
// queue of Channel.
struct ShownQueue {
    QueueKind Kind = QueueKind::List;
    ChannelConfig* Config = nullptr;
    ServedChannel* Channel = nullptr;
};

// The queue, or null when its owner is not given or no longer exists.
Queue* FindShownQueue(ModuleState& state, const ShownQueue& shown);

// The selected entries that are in the list, each once, in list order.
// Selected pointers are only compared, never followed.
std::vector<QueueEntry*> SelectedIn(const List<QueueEntry>& entries, const std::vector<QueueEntry*>& selection);

// Tell the view the queue's new counts; its rows again in queue order. The
// queue must exist.
void RefreshShownCounts(ModuleState& state, const ShownQueue& shown);
void RefillShownRows(ModuleState& state, const ShownQueue& shown);

}  // namespace qvs
