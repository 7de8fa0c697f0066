// "Global Statistics": the counters of every channel added up.
#pragma once
#include "panel/framework/dialog_base.h"
#include "stats/statistics.h"

namespace qvs {

class CombinedStatisticsWindow final : public DialogBase {
public:
    CombinedStatisticsWindow();
    // Modal; the sums are taken when it opens.
    void Show(HINSTANCE instance, HWND owner, ModuleState& state);

private:
    bool OnInit() override;
    bool OnCommand(int id, int code) override;

    CombinedStatisticsTexts texts_;
};

}  // namespace qvs
