// The "Hold Queue" page of the Options tabs: the module-wide master switch,
// the current channel's per-queue holds and the hold in effect for each
// queue.
#pragma once
#include "panel/framework/channel_page.h"

namespace qvs {

class HoldQueuePage final : public ChannelPage {
public:
    explicit HoldQueuePage(ModuleState& state);

private:
    bool OnPageInit() override;
    void OnFill(ChannelConfig& config) override;
    void OnClear() override;
    bool OnPageCommand(int id, int code) override;
    void OnMasterChosen(int index);
    void OnQueueTicked(int index);
    void ShowQueueChecks();
    void ShowEffectiveHold();
};

}  // namespace qvs
