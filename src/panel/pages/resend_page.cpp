#include "panel/pages/resend_page.h"

#include "panel/pages/resend_page_resource.h"

namespace qvs {
namespace {

// Sizes in "byte", "KB" or "MB"; a size of 0 is shown in bytes.
constexpr int kResendUnitCount = 3;
constexpr int kByteUnit = 0;
constexpr int kMegabyteUnit = 2;
const char* const kMethodNames[] = {"Resend immediately", "Requeue failed send"};
constexpr int kMethodCount = 2;

template <int Base>
const Binding<ResendRule> kGroupRows[] = {
    {Base + IDC_RESEND_USE, ControlKind::Check, &ResendRule::Use},
    {Base + IDC_RESEND_SIZE, ControlKind::Number, &ResendRule::FileSize, nullptr, Base + IDC_RESEND_UNIT,
     kResendUnitCount, kByteUnit},
    {Base + IDC_RESEND_METHOD, ControlKind::DropDown, &ResendRule::Method},
    {Base + IDC_RESEND_LIMIT, ControlKind::Number, &ResendRule::Limit},
};

constexpr int kGroupBases[] = {IDC_RESEND_REGULAR, IDC_RESEND_OPVOICE, IDC_RESEND_SQUEUE};

}  // namespace

ResendPage::ResendPage(ModuleState& state)
    : ChannelPage(IDD_PAGE_RESEND, state),
      groups_{{&ChannelConfig::RegularQueueResend, ControlBindings<ResendRule>(kGroupRows<IDC_RESEND_REGULAR>)},
              {&ChannelConfig::OpVoiceQueueResend, ControlBindings<ResendRule>(kGroupRows<IDC_RESEND_OPVOICE>)},
              {&ChannelConfig::SQueueResend, ControlBindings<ResendRule>(kGroupRows<IDC_RESEND_SQUEUE>)}} {}

// Before any channel is shown the units read "MB" and the methods "Resend
// immediately".
bool ResendPage::OnPageInit() {
    for (int i = 0; i < kGroupCount; ++i) {
        groups_[i].Bindings.Prepare(Window());
        FillDropDown(Window(), kGroupBases[i] + IDC_RESEND_METHOD, kMethodNames, kMethodCount);
        SetDropDownChoice(Window(), kGroupBases[i] + IDC_RESEND_UNIT, kMegabyteUnit);
        SetDropDownChoice(Window(), kGroupBases[i] + IDC_RESEND_METHOD, 0);
    }
    return false;
}

void ResendPage::OnFill(ChannelConfig& config) {
    for (Group& group : groups_) group.Bindings.Show(Window(), &(config.*group.Rule));
}

void ResendPage::OnClear() {
    for (Group& group : groups_) group.Bindings.Show(Window(), nullptr);
}

bool ResendPage::OnPageCommand(int id, int code) {
    ChannelConfig* config = Filling() ? nullptr : Shown();
    for (Group& group : groups_)
        if (group.Bindings.Store(Window(), config ? &(config->*group.Rule) : nullptr, id, code)) return true;
    return false;
}

}  // namespace qvs
