#include "panel/pages/users_page.h"

#include <string>

#include "panel/pages/users_page_resource.h"
#include "users/group_operations.h"

namespace qvs {
namespace {

enum UsersColumn { kGroupColumn, kIgnoredColumn, kQueueColumn, kBatchColumn, kPriorityColumn, kForceColumn };

const ListColumnSpec kColumns[] = {
    {"User Groups", 110, LVCFMT_LEFT}, {"Ignored", 50, LVCFMT_CENTER}, {"Q.Size", 45, LVCFMT_RIGHT},
    {"B.Size", 45, LVCFMT_RIGHT},      {"Priority", 45, LVCFMT_CENTER}, {"Force", 45, LVCFMT_CENTER},
};

// Indexed by the TreatAs value.
const char* const kForceChoices[] = {"None", "Regular", "Voice", "Op"};
const char* const kForceCells[] = {"", "R", "+v", "+o"};
constexpr uint32_t kForceCount = sizeof(kForceCells) / sizeof(kForceCells[0]);

const Binding<GroupSelection> kSettingsBindings[] = {
    {IDC_USERS_QUEUE_SIZE, ControlKind::Number, &GroupSelection::QueueSize},
    {IDC_USERS_BATCH_SIZE, ControlKind::Number, &GroupSelection::BatchSize},
    {IDC_USERS_PRIORITY, ControlKind::Check, &GroupSelection::Priority},
    {IDC_USERS_IGNORED, ControlKind::Check, &GroupSelection::Ignored},
    {IDC_USERS_FORCE, ControlKind::DropDown, &GroupSelection::TreatAs},
};

const Binding<GroupSelectionDefaults> kDefaultsBindings[] = {
    {IDC_USERS_DEFAULT_QUEUE_SIZE, ControlKind::Number, &GroupSelectionDefaults::QueueSizeOverride},
    {IDC_USERS_DEFAULT_BATCH_SIZE, ControlKind::Number, &GroupSelectionDefaults::BatchSizeOverride},
    {IDC_USERS_DEFAULT_PRIORITY, ControlKind::Check, &GroupSelectionDefaults::Priority},
    {IDC_USERS_DEFAULT_IGNORED, ControlKind::Check, &GroupSelectionDefaults::Ignored},
    {IDC_USERS_DEFAULT_FORCE, ControlKind::DropDown, &GroupSelectionDefaults::TreatAs},
};

const char* Flag(uint32_t value) { return value ? "Yes" : ""; }

}  // namespace

UsersPage::UsersPage(ModuleState& state)
    : ChannelPage(IDD_PAGE_USERS, state),
      settings_(kSettingsBindings),
      defaults_(kDefaultsBindings),
      available_(state) {}

bool UsersPage::OnPageInit() {
    table_.Attach(Item(IDC_USERS_LIST), kColumns);
    FillDropDown(Window(), IDC_USERS_FORCE, kForceChoices, kForceCount);
    FillDropDown(Window(), IDC_USERS_DEFAULT_FORCE, kForceChoices, kForceCount);
    defaults_.Show(Window(), &State().NewGroupDefaults);
    ShowSettings();
    return false;
}

void UsersPage::OnFill(ChannelConfig& config) {
    table_.Clear();
    for (GroupSelection* selection = config.UserGroupLinks.Head; selection; selection = selection->Next)
        ShowRow(table_.Append(selection));
    ShowSettings();
}

void UsersPage::OnClear() {
    table_.Clear();
    ShowSettings();
}

void UsersPage::ShowRow(int row) {
    const GroupSelection* selection = table_.At<GroupSelection>(row);
    table_.SetCell(row, kGroupColumn, selection->Group->GroupName.c_str());
    table_.SetCell(row, kIgnoredColumn, Flag(selection->Ignored));
    table_.SetCell(row, kQueueColumn, std::to_string(selection->QueueSize).c_str());
    table_.SetCell(row, kBatchColumn, std::to_string(selection->BatchSize).c_str());
    table_.SetCell(row, kPriorityColumn, Flag(selection->Priority));
    table_.SetCell(row, kForceColumn, selection->TreatAs < kForceCount ? kForceCells[selection->TreatAs] : "");
}

GroupSelection* UsersPage::SelectedSelection() const {
    std::vector<int> rows = table_.SelectedRows();
    return rows.empty() ? nullptr : table_.At<GroupSelection>(rows.front());
}

void UsersPage::ShowSettings() {
    GroupSelection* selection = SelectedSelection();
    std::string title = "Settings";
    if (selection) title += ": " + std::string(selection->Group->GroupName.c_str());
    SetControlText(Window(), IDC_USERS_SETTINGS, title);
    settings_.Show(Window(), selection);
}

bool UsersPage::OnPageCommand(int id, int code) {
    GroupSelection* selection = SelectedSelection();
    if (settings_.Store(Window(), Filling() ? nullptr : selection, id, code)) {
        if (selection) ShowRow(table_.Find(selection));
        return true;
    }
    if (defaults_.Store(Window(), &State().NewGroupDefaults, id, code)) return true;
    if (code != BN_CLICKED) return false;
    if (id == IDC_USERS_ADD) AddGroups();
    if (id == IDC_USERS_REMOVE) RemoveGroup();
    return id == IDC_USERS_ADD || id == IDC_USERS_REMOVE;
}

bool UsersPage::OnNotify(const NMHDR& notice) {
    if (notice.idFrom != IDC_USERS_LIST) return false;
    if (notice.code == NM_DBLCLK) ShowMembers(reinterpret_cast<const NMITEMACTIVATE&>(notice).iItem);
    if (notice.code != LVN_ITEMCHANGED) return notice.code == NM_DBLCLK;
    const auto& change = reinterpret_cast<const NMLISTVIEW&>(notice);
    if ((change.uChanged & LVIF_STATE) && ((change.uOldState ^ change.uNewState) & LVIS_SELECTED)) ShowSettings();
    return true;
}

HWND UsersPage::Panel() const { return GetAncestor(Window(), GA_ROOT); }

void UsersPage::AddGroups() {
    ChannelConfig* config = Shown();
    if (!config) return;
    available_.Show(Instance(), Panel(), *config, [this, config] {
        if (Shown() == config) Fill(*config);
    });
}

void UsersPage::RemoveGroup() {
    GroupSelection* selection = SelectedSelection();
    if (!Shown() || !selection) return;
    table_.Remove(table_.Find(selection));
    RemoveGroupSelection(State(), selection);
    ShowSettings();
}

void UsersPage::ShowMembers(int row) {
    if (row < 0 || row >= table_.RowCount()) return;
    members_.Show(Instance(), Panel(), *table_.At<GroupSelection>(row)->Group);
}

}  // namespace qvs
