#include "panel/framework/channel_page.h"

namespace qvs {

void ChannelPage::Fill(ChannelConfig& config) {
    FillGuard guard(filling_);
    shown_ = &config;
    bindings_.Show(Window(), &config);
    OnFill(config);
}

void ChannelPage::Clear() {
    FillGuard guard(filling_);
    shown_ = nullptr;
    bindings_.Show(Window(), nullptr);
    OnClear();
}

// A page made again (the panel closed and reopened) shows nothing yet.
bool ChannelPage::OnInit() {
    shown_ = nullptr;
    bindings_.Prepare(Window());
    return OnPageInit();
}

bool ChannelPage::OnCommand(int id, int code) {
    if (bindings_.Store(Window(), filling_ ? nullptr : shown_, id, code)) return true;
    return OnPageCommand(id, code);
}

}  // namespace qvs
