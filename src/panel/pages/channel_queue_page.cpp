#include "panel/pages/channel_queue_page.h"

namespace qvs {

bool ChannelQueuePage::OnPageInit() {
    view_.Attach(Window());
    return false;
}

void ChannelQueuePage::OnFill(ChannelConfig& config) {
    ShownQueue shown{kind_, &config, nullptr};
    view_.Show(&shown);
}

void ChannelQueuePage::OnClear() { view_.Show(nullptr); }

}  // namespace qvs
