#include "panel/pages/hold_queue_page.h"

#include "panel/pages/hold_queue_page_resource.h"
#include "sending/hold.h"

namespace qvs {
namespace {

constexpr int kMasterStates = 3;
constexpr int kQueueKinds = 4;  // the checks and fields are in QueueKind order
constexpr char kHeldText[] = "Hold";

QueueKind KindAt(int index) { return static_cast<QueueKind>(index); }

}  // namespace

HoldQueuePage::HoldQueuePage(ModuleState& state) : ChannelPage(IDD_PAGE_HOLD_QUEUE, state) {}

// The master switch is the module's, whichever channel is shown.
bool HoldQueuePage::OnPageInit() {
    SetRadioChoice(Window(), IDC_HOLD_UNHOLD_ALL, kMasterStates, static_cast<int>(State().Hold));
    ShowQueueChecks();
    ShowEffectiveHold();
    return false;
}

void HoldQueuePage::OnFill(ChannelConfig&) {
    ShowQueueChecks();
    ShowEffectiveHold();
}

void HoldQueuePage::OnClear() {
    ShowQueueChecks();
    ShowEffectiveHold();
}

bool HoldQueuePage::OnPageCommand(int id, int code) {
    if (code != BN_CLICKED) return false;
    if (id >= IDC_HOLD_UNHOLD_ALL && id < IDC_HOLD_UNHOLD_ALL + kMasterStates) OnMasterChosen(id - IDC_HOLD_UNHOLD_ALL);
    else if (id >= IDC_HOLD_LIST && id < IDC_HOLD_LIST + kQueueKinds) OnQueueTicked(id - IDC_HOLD_LIST);
    else return false;
    return true;
}

void HoldQueuePage::OnMasterChosen(int index) {
    if (Filling()) return;
    State().Hold = static_cast<HoldMode>(index);
    ShowEffectiveHold();
}

// Without a channel the per-queue switches are not the operator's to set,
// the List queue's included: the box goes back to what it was.
void HoldQueuePage::OnQueueTicked(int index) {
    uint32_t* flag = Shown() ? HoldFlagOf(State(), Shown(), KindAt(index)) : nullptr;
    if (flag && !Filling()) *flag = IsTicked(Window(), IDC_HOLD_LIST + index) ? 1 : 0;
    ShowQueueChecks();
    ShowEffectiveHold();
}

void HoldQueuePage::ShowQueueChecks() {
    for (int i = 0; i < kQueueKinds; ++i) {
        const uint32_t* flag = Shown() ? HoldFlagOf(State(), Shown(), KindAt(i)) : nullptr;
        SetTicked(Window(), IDC_HOLD_LIST + i, flag && *flag == 1);
    }
}

void HoldQueuePage::ShowEffectiveHold() {
    for (int i = 0; i < kQueueKinds; ++i)
        SetControlText(Window(), IDC_HOLD_STATUS_LIST + i, EffectiveHold(State(), Shown(), KindAt(i)) ? kHeldText : "");
}

}  // namespace qvs
