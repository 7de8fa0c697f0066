// The "List Queue" page of the Queues tabs: the module-wide List queue.
#pragma once
#include "panel/framework/dialog_base.h"

namespace qvs {

class ListQueuePage final : public DialogBase {
public:
    ListQueuePage();
};

}  // namespace qvs
