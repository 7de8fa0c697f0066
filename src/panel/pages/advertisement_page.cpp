#include "panel/pages/advertisement_page.h"

#include <string>

#include "ads/ad_selections.h"
#include "panel/framework/control_io.h"
#include "panel/framework/fill_guard.h"
#include "panel/pages/advertisement_page_resource.h"

namespace qvs {
namespace {

constexpr ListColumnSpec kColumns[] = {{"Advertisement", 120, LVCFMT_LEFT}, {"Enable", 50, LVCFMT_CENTER}};
constexpr int kEnableColumn = 1;
constexpr char kEnabledMark[] = "Yes";
// DisplayWhen bits.
constexpr uint32_t kOnTimer = 1;
constexpr uint32_t kOnTrigger = 2;
constexpr int kMethodCount = 3;  // channel window, notice, private message
constexpr int kSettingControls[] = {IDC_ADPAGE_ON_TIMER,       IDC_ADPAGE_RUN_AFTER, IDC_ADPAGE_ON_TRIGGER,
                                    IDC_ADPAGE_TRIGGER,        IDC_ADPAGE_CHANNEL_WINDOW, IDC_ADPAGE_NOTICE,
                                    IDC_ADPAGE_PRIVATE,        IDC_ADPAGE_REMOVE};

void SetBit(uint32_t& bits, uint32_t bit, bool on) { bits = on ? bits | bit : bits & ~bit; }

}  // namespace

AdvertisementPage::AdvertisementPage(ModuleState& state)
    : ChannelPage(IDD_PAGE_ADVERTISEMENT, state), available_(state) {}

bool AdvertisementPage::OnPageInit() {
    table_.Attach(Item(IDC_ADPAGE_GROUPS), kColumns);
    ShowSelection(nullptr);
    return false;
}

void AdvertisementPage::OnFill(ChannelConfig& config) { ListSelections(config.AdGroupLinks.Head); }

void AdvertisementPage::OnClear() {
    table_.Clear();
    ShowSelection(nullptr);
}

void AdvertisementPage::Refresh() {
    available_.Relist();
    if (!Window()) return;
    if (!Shown()) return OnClear();
    AdGroupSelection* selected = Selected();
    ListSelections(selected ? selected : Shown()->AdGroupLinks.Head);
}

void AdvertisementPage::ListSelections(AdGroupSelection* selected) {
    FillGuard guard(showing_);
    table_.Clear();
    for (AdGroupSelection* shown = Shown()->AdGroupLinks.Head; shown; shown = shown->Next) {
        int row = table_.Append(shown);
        table_.SetCell(row, 0, shown->Group ? shown->Group->AdsGroupName.c_str() : "");
        table_.SetCell(row, kEnableColumn, shown->Enable == 1 ? kEnabledMark : "");
    }
    int row = table_.Find(selected);
    if (row >= 0) table_.Select(row, true);
    ShowSelection(row >= 0 ? selected : nullptr);
}

void AdvertisementPage::ShowSelection(AdGroupSelection* selection) {
    FillGuard guard(showing_);
    SetTicked(Window(), IDC_ADPAGE_ON_TIMER, selection && (selection->DisplayWhen & kOnTimer));
    SetTicked(Window(), IDC_ADPAGE_ON_TRIGGER, selection && (selection->DisplayWhen & kOnTrigger));
    SetControlText(Window(), IDC_ADPAGE_RUN_AFTER, selection ? std::to_string(selection->RunAfter) : std::string());
    SetControlText(Window(), IDC_ADPAGE_TRIGGER, selection ? selection->Trigger.c_str() : "");
    SetRadioChoice(Window(), IDC_ADPAGE_CHANNEL_WINDOW, kMethodCount,
                   selection ? static_cast<int>(selection->DisplayMethod) : -1);
    for (int id : kSettingControls) EnableWindow(Item(id), selection != nullptr);
}

AdGroupSelection* AdvertisementPage::Selected() const {
    std::vector<int> rows = table_.SelectedRows();
    return rows.empty() ? nullptr : table_.At<AdGroupSelection>(rows.front());
}

bool AdvertisementPage::OnPageCommand(int id, int code) {
    if (id == IDC_ADPAGE_ADD && code == BN_CLICKED) AddGroup();
    if (id == IDC_ADPAGE_REMOVE && code == BN_CLICKED) RemoveGroup();
    AdGroupSelection* selection = showing_ || !Shown() ? nullptr : Selected();
    return (selection && StoreSetting(selection, id, code)) || id == IDC_ADPAGE_ADD || id == IDC_ADPAGE_REMOVE;
}

// Every change is stored at once; it counts from the next start of serving.
bool AdvertisementPage::StoreSetting(AdGroupSelection* selection, int id, int code) {
    switch (id) {
        case IDC_ADPAGE_ON_TIMER: SetBit(selection->DisplayWhen, kOnTimer, IsTicked(Window(), id)); return true;
        case IDC_ADPAGE_ON_TRIGGER: SetBit(selection->DisplayWhen, kOnTrigger, IsTicked(Window(), id)); return true;
        case IDC_ADPAGE_RUN_AFTER:
            if (code == EN_CHANGE) selection->RunAfter = ControlNumber(Window(), id);
            return true;
        case IDC_ADPAGE_TRIGGER:
            if (code == EN_CHANGE) SetSelectionTrigger(selection, ControlText(Window(), id).c_str());
            return true;
        case IDC_ADPAGE_CHANNEL_WINDOW:
        case IDC_ADPAGE_NOTICE:
        case IDC_ADPAGE_PRIVATE: selection->DisplayMethod = static_cast<uint32_t>(id - IDC_ADPAGE_CHANNEL_WINDOW); return true;
        default: return false;
    }
}

void AdvertisementPage::AddGroup() {
    ChannelConfig* config = Shown();
    if (!config) return;
    AdGroup* group = available_.Choose(Instance(), Window(), config);
    // The box's own loop may have let the channel go from the page.
    if (!group || Shown() != config) return;
    if (AdGroupSelection* made = BindAdGroup(config, group)) ListSelections(made);
}

void AdvertisementPage::RemoveGroup() {
    ChannelConfig* config = Shown();
    AdGroupSelection* selection = config ? Selected() : nullptr;
    if (!selection) return;
    AdGroupSelection* next = selection->Next ? selection->Next : selection->Prev;
    UnbindAdGroup(State(), config, selection);
    ListSelections(next);
}

void AdvertisementPage::ToggleEnable(int row) {
    ChannelConfig* config = Shown();
    AdGroupSelection* selection = config && row >= 0 ? table_.At<AdGroupSelection>(row) : nullptr;
    if (!selection) return;
    SetSelectionEnable(State(), config, selection, selection->Enable == 1 ? 0 : 1);
    table_.SetCell(row, kEnableColumn, selection->Enable == 1 ? kEnabledMark : "");
}

bool AdvertisementPage::OnNotify(const NMHDR& notice) {
    if (notice.idFrom != IDC_ADPAGE_GROUPS || showing_) return false;
    if (notice.code == NM_DBLCLK) ToggleEnable(reinterpret_cast<const NMITEMACTIVATE&>(notice).iItem);
    if (notice.code != LVN_ITEMCHANGED) return notice.code == NM_DBLCLK;
    const auto& change = reinterpret_cast<const NMLISTVIEW&>(notice);
    if ((change.uNewState ^ change.uOldState) & LVIS_SELECTED) ShowSelection(Selected());
    return true;
}

}  // namespace qvs
