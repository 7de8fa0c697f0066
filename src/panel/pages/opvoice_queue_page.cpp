#include "panel/pages/opvoice_queue_page.h"

#include "panel/pages/opvoice_queue_page_resource.h"

namespace qvs {
namespace {

const Binding<ChannelConfig> kBindings[] = {
    {IDC_OPVOICE_NICE_TO_OPS, ControlKind::Check, &ChannelConfig::NiceToOp},
    {IDC_OPVOICE_NICE_TO_VOICES, ControlKind::Check, &ChannelConfig::NiceToVoice},
    {IDC_OPVOICE_SLOTS, ControlKind::Number, &ChannelConfig::OpSlots},
};

}  // namespace

OpVoiceQueuePage::OpVoiceQueuePage(ModuleState& state, PanelState& ui)
    : ChannelPage(IDD_PAGE_OPVOICE_QUEUE, state, kBindings), view_(state, ui, QueueKind::OpVoice) {}

bool OpVoiceQueuePage::OnPageInit() {
    view_.Attach(Window());
    return false;
}

void OpVoiceQueuePage::OnFill(ChannelConfig& config) {
    ShownQueue shown{QueueKind::OpVoice, &config, nullptr};
    view_.Show(&shown);
}

void OpVoiceQueuePage::OnClear() { view_.Show(nullptr); }

}  // namespace qvs
