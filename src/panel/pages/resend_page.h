// The "Resend" page of the Options tabs: the resend rule of the regular,
// op/voice and small-file queues, one group each.
#pragma once
#include "panel/framework/channel_page.h"

namespace qvs {

class ResendPage final : public ChannelPage {
public:
    explicit ResendPage(ModuleState& state);

private:
    struct Group {
        ResendRule ChannelConfig::*Rule;
        ControlBindings<ResendRule> Bindings;
    };
    static constexpr int kGroupCount = 3;

    bool OnPageInit() override;
    void OnFill(ChannelConfig& config) override;
    void OnClear() override;
    bool OnPageCommand(int id, int code) override;

    Group groups_[kGroupCount];
};

}  // namespace qvs
