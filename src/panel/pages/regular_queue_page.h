// The regular-queue page: one page for every served channel of the
// selected channel, shown through the tab of the channel on the Queues page.
#pragma once
#include "panel/framework/dialog_base.h"

namespace qvs {

class RegularQueuePage final : public DialogBase {
public:
    RegularQueuePage();
};

}  // namespace qvs
