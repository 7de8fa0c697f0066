// The "Misc." page of the Options tabs.
#pragma once
#include "panel/framework/dialog_base.h"

namespace qvs {

class MiscPage final : public DialogBase {
public:
    MiscPage();
};

}  // namespace qvs
