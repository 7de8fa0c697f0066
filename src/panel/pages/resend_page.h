// The "Resend" page of the Options tabs.
#pragma once
#include "panel/framework/dialog_base.h"

namespace qvs {

class ResendPage final : public DialogBase {
public:
    ResendPage();
};

}  // namespace qvs
