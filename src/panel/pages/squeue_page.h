// The "S. Queue" page of the Queues tabs: the small-file queue of the
// selected channel.
#pragma once
#include "panel/framework/dialog_base.h"

namespace qvs {

class SQueuePage final : public DialogBase {
public:
    SQueuePage();
};

}  // namespace qvs
