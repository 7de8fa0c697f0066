#include "panel/pages/available_groups_dialog.h"

#include "panel/pages/advertisement_page_resource.h"

namespace qvs {
namespace {

constexpr ListColumnSpec kGroupColumn[] = {{"Advertisement Group", 280, LVCFMT_LEFT}};

bool IsListed(const ModuleState& state, const AdGroup* group) {
    for (const AdGroup* listed = state.AdGroups.Head; listed; listed = listed->Next)
        if (listed == group) return true;
    return false;
}

}  // namespace

bool ShowsGroup(const ChannelConfig* config, const AdGroup* group) {
    for (const AdGroupSelection* shown = config->AdGroupLinks.Head; shown; shown = shown->Next)
        if (shown->Group == group) return true;
    return false;
}

AvailableGroupsDialog::AvailableGroupsDialog(ModuleState& state) : DialogBase(IDD_AVAILABLE_AD_GROUPS), state_(state) {}

AdGroup* AvailableGroupsDialog::Choose(HINSTANCE instance, HWND owner, const ChannelConfig* config) {
    if (IsOpen()) return nullptr;
    config_ = config;
    chosen_ = nullptr;
    RunModal(instance, owner);
    config_ = nullptr;
    return chosen_;
}

bool AvailableGroupsDialog::OnInit() {
    table_.Attach(Item(IDC_AVAILABLE_LIST), kGroupColumn);
    Relist();
    return true;
}

void AvailableGroupsDialog::Relist() {
    if (!Window()) return;
    table_.Clear();
    for (AdGroup* group = state_.AdGroups.Head; group; group = group->Next)
        if (!ShowsGroup(config_, group)) table_.SetCell(table_.Append(group), 0, group->AdsGroupName.c_str());
}

bool AvailableGroupsDialog::OnCommand(int id, int) {
    if (id != IDCANCEL) return false;
    End(IDCANCEL);
    return true;
}

// The row's group is checked once more: the Advertisement Manager stays
// usable while this dialog is open.
bool AvailableGroupsDialog::OnNotify(const NMHDR& notice) {
    if (notice.idFrom != IDC_AVAILABLE_LIST || notice.code != NM_DBLCLK) return false;
    int row = reinterpret_cast<const NMITEMACTIVATE&>(notice).iItem;
    AdGroup* group = row >= 0 ? table_.At<AdGroup>(row) : nullptr;
    if (!group || !IsListed(state_, group) || ShowsGroup(config_, group)) return true;
    chosen_ = group;
    End(IDOK);
    return true;
}

}  // namespace qvs
