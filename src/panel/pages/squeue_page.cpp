#include "panel/pages/squeue_page.h"

#include "panel/pages/squeue_page_resource.h"

namespace qvs {
namespace {

constexpr int kMegabyteUnit = 2;  // a size of 0 shows as 0 "MB"

const Binding<ChannelConfig> kBindings[] = {
    {IDC_SQUEUE_ENABLE, ControlKind::Check, &ChannelConfig::EnableSQueue},
    {IDC_SQUEUE_SLOTS, ControlKind::Number, &ChannelConfig::SQueueSlots},
    {IDC_SQUEUE_SIZE, ControlKind::Number, &ChannelConfig::SQueueSize, nullptr, IDC_SQUEUE_UNIT, kSizeUnitCount,
     kMegabyteUnit},
};

}  // namespace

SQueuePage::SQueuePage(ModuleState& state, PanelState& ui)
    : ChannelQueuePage(IDD_PAGE_SQUEUE, QueueKind::SmallFile, state, ui, kBindings) {}

}  // namespace qvs
