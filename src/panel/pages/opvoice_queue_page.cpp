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
    : ChannelQueuePage(IDD_PAGE_OPVOICE_QUEUE, QueueKind::OpVoice, state, ui, kBindings) {}

}  // namespace qvs
