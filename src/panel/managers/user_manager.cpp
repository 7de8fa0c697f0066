#include "panel/managers/user_manager.h"

#include <algorithm>
#include <vector>

#include "panel/framework/control_io.h"
#include "panel/managers/user_manager_resource.h"
#include "users/group_operations.h"

namespace qvs {
namespace {

// The name fields take what the core keeps of a name.
constexpr int kNameRoom = 99;
// ">" and "<" copy at most this many chosen names at once.
constexpr std::size_t kMostCopied = 100;
constexpr int kListWidth = 150;

const ListColumnSpec kPoolColumns[] = {{"Available Nicks", kListWidth, LVCFMT_LEFT}};
const ListColumnSpec kGroupColumns[] = {{"User Groups", kListWidth, LVCFMT_LEFT}};
const ListColumnSpec kMemberColumns[] = {{"", kListWidth, LVCFMT_LEFT}};

void AppendNameRow(ListViewTable& table, NameNode* node) { table.SetCell(table.Append(node), 0, node->Value.c_str()); }

void AppendGroupRow(ListViewTable& table, UserGroup* group) {
    table.SetCell(table.Append(group), 0, group->GroupName.c_str());
}

// Highest first, so that each removal leaves the lower rows where they are.
std::vector<int> SelectedFromLast(const ListViewTable& table) {
    std::vector<int> rows = table.SelectedRows();
    std::sort(rows.rbegin(), rows.rend());
    return rows;
}

std::vector<int> FirstSelected(const ListViewTable& table) {
    std::vector<int> rows = table.SelectedRows();
    if (rows.size() > kMostCopied) rows.resize(kMostCopied);
    return rows;
}

void SelectOnly(ListViewTable& table, int row) {
    for (int selected : table.SelectedRows()) table.Select(selected, false);
    table.Select(row, true);
}

}  // namespace

UserManager::UserManager(ModuleState& state) : ManagerWindow(IDD_USER_MANAGER), state_(state) {}

bool UserManager::OnInit() {
    pool_.Attach(Item(IDC_UM_POOL), kPoolColumns);
    groups_.Attach(Item(IDC_UM_GROUPS), kGroupColumns);
    members_.Attach(Item(IDC_UM_MEMBERS), kMemberColumns);
    SendDlgItemMessageA(Window(), IDC_UM_POOL_TEXT, EM_LIMITTEXT, kNameRoom, 0);
    SendDlgItemMessageA(Window(), IDC_UM_GROUP_TEXT, EM_LIMITTEXT, kNameRoom, 0);
    FillLists();
    return true;
}

// Each showing starts from the records as they are now.
bool UserManager::OnMessage(UINT message, WPARAM first, LPARAM) {
    if (message == WM_SHOWWINDOW && first) FillLists();
    return false;
}

void UserManager::FillLists() {
    pool_.Clear();
    groups_.Clear();
    for (NameNode* nick = state_.AvailableNicks.Head; nick; nick = nick->Next) AppendNameRow(pool_, nick);
    for (UserGroup* group = state_.UserGroups.Head; group; group = group->Next) AppendGroupRow(groups_, group);
    ShowMembers();
}

UserGroup* UserManager::ShownGroup() const {
    std::vector<int> rows = groups_.SelectedRows();
    return rows.empty() ? nullptr : groups_.At<UserGroup>(rows.front());
}

void UserManager::ShowMembers() {
    members_.Clear();
    UserGroup* group = ShownGroup();
    SetControlText(Window(), IDC_UM_GROUP_NAME, group ? group->GroupName.c_str() : "");
    if (!group) return;
    for (NameNode* member = group->Members.Head; member; member = member->Next) AppendNameRow(members_, member);
}

bool UserManager::OnNotify(const NMHDR& notice) {
    if (notice.idFrom != IDC_UM_GROUPS || notice.code != LVN_ITEMCHANGED) return false;
    const auto& change = reinterpret_cast<const NMLISTVIEW&>(notice);
    if ((change.uChanged & LVIF_STATE) && ((change.uOldState ^ change.uNewState) & LVIS_SELECTED)) ShowMembers();
    return true;
}

bool UserManager::OnCommand(int id, int code) {
    if (code != BN_CLICKED) return ManagerWindow::OnCommand(id, code);
    switch (id) {
        case IDC_UM_POOL_ADD: AddNick(); return true;
        case IDC_UM_POOL_REMOVE: RemoveNicks(); return true;
        case IDC_UM_GROUP_ADD: AddGroup(); return true;
        case IDC_UM_GROUP_REMOVE: RemoveGroups(); return true;
        case IDC_UM_GROUP_RENAME: RenameGroup(); return true;
        case IDC_UM_TO_GROUP: CopyNicksToGroup(); return true;
        case IDC_UM_TO_POOL: CopyMembersToPool(); return true;
        case IDC_UM_MEMBER_REMOVE: RemoveMembers(); return true;
        default: return ManagerWindow::OnCommand(id, code);
    }
}

// A refusal has been told by the core's own box; the field keeps the text.
void UserManager::AddNick() {
    NameNode* nick = AddAvailableNick(state_, ControlText(Window(), IDC_UM_POOL_TEXT).c_str());
    if (!nick) return;
    AppendNameRow(pool_, nick);
    SelectOnly(pool_, pool_.RowCount() - 1);
    SetControlText(Window(), IDC_UM_POOL_TEXT, "");
}

void UserManager::RemoveNicks() {
    for (int row : SelectedFromLast(pool_)) {
        RemoveAvailableNick(state_, pool_.At<NameNode>(row));
        pool_.Remove(row);
    }
}

void UserManager::AddGroup() {
    UserGroup* group = AddUserGroup(state_, ControlText(Window(), IDC_UM_GROUP_TEXT).c_str());
    if (!group) return;
    AppendGroupRow(groups_, group);
    SelectOnly(groups_, groups_.RowCount() - 1);
    SetControlText(Window(), IDC_UM_GROUP_TEXT, "");
}

void UserManager::RemoveGroups() {
    std::vector<int> rows = SelectedFromLast(groups_);
    for (int row : rows) {
        UserGroup* group = groups_.At<UserGroup>(row);
        groups_.Remove(row);
        DeleteUserGroup(state_, group);
    }
    ShowMembers();
    if (!rows.empty()) TellGroupsChanged();
}

// A refused name keeps the prompt open for another try; the core has said
// why. An emptied field leaves the name as it was.
void UserManager::RenameGroup() {
    UserGroup* group = ShownGroup();
    if (!group) return;
    PromptSpec spec{"Rename User Group", "Group name:", group->GroupName.c_str(), kNameRoom,
                    [this, group](const std::string& text) {
                        if (text.empty() || !HoldsGroup(state_, group)) return PromptVerdict::CloseUnchanged;
                        return RenameUserGroup(state_, group, text.c_str()) ? PromptVerdict::Accept
                                                                            : PromptVerdict::StayOpen;
                    }};
    std::string name;
    if (!rename_.Ask(Instance(), Window(), std::move(spec), name)) return;
    FillLists();
    int row = groups_.Find(group);
    if (row >= 0) SelectOnly(groups_, row);
    TellGroupsChanged();
}

void UserManager::CopyNicksToGroup() {
    UserGroup* group = ShownGroup();
    if (!group) return;
    for (int row : FirstSelected(pool_))
        if (AddGroupMember(group, pool_.At<NameNode>(row)->Value.c_str())) AppendNameRow(members_, group->Members.Tail);
}

void UserManager::CopyMembersToPool() {
    for (int row : FirstSelected(members_)) {
        NameNode* before = state_.AvailableNicks.Tail;
        CopyMemberToPool(state_, members_.At<NameNode>(row)->Value.c_str());
        if (state_.AvailableNicks.Tail != before) AppendNameRow(pool_, state_.AvailableNicks.Tail);
    }
}

void UserManager::RemoveMembers() {
    UserGroup* group = ShownGroup();
    if (!group) return;
    for (int row : SelectedFromLast(members_)) {
        RemoveGroupMember(group, members_.At<NameNode>(row));
        members_.Remove(row);
    }
}

void UserManager::TellGroupsChanged() {
    if (GroupsChanged) GroupsChanged();
}

}  // namespace qvs
