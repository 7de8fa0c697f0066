// The "Hold Queue" page of the Options tabs.
#pragma once
#include "panel/framework/dialog_base.h"

namespace qvs {

class HoldQueuePage final : public DialogBase {
public:
    HoldQueuePage();
};

}  // namespace qvs
