// The "Flood Control" page of the Global tabs: the settings of each
// network.
#pragma once
#include "panel/framework/dialog_base.h"

namespace qvs {

class FloodControlPage final : public DialogBase {
public:
    FloodControlPage();
};

}  // namespace qvs
