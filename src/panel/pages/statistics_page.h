// The "Statistics" page of the main tabs: the counters of the selected
// channel and of the module.
#pragma once
#include "panel/framework/dialog_base.h"

namespace qvs {

class StatisticsPage final : public DialogBase {
public:
    StatisticsPage();
};

}  // namespace qvs
