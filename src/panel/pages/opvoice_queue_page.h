// The "Op/Voice Queue" page of the Queues tabs: the op/voice queue of the
// selected channel.
#pragma once
#include "panel/framework/dialog_base.h"

namespace qvs {

class OpVoiceQueuePage final : public DialogBase {
public:
    OpVoiceQueuePage();
};

}  // namespace qvs
