// The "General" page of the Global tabs: the module-wide settings.
#pragma once
#include "panel/framework/dialog_base.h"

namespace qvs {

class GeneralPage final : public DialogBase {
public:
    GeneralPage();
};

}  // namespace qvs
