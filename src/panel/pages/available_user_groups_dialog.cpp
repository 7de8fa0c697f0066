#include "panel/pages/available_user_groups_dialog.h"

#include <algorithm>
#include <cstring>

#include "panel/pages/users_page_resource.h"
#include "users/group_operations.h"

namespace qvs {
namespace {

constexpr int kNameWidth = 220;
const ListColumnSpec kColumns[] = {{"", kNameWidth, LVCFMT_LEFT}};

bool IsSelectedInto(const ChannelConfig& config, const UserGroup* group) {
    for (const GroupSelection* selection = config.UserGroupLinks.Head; selection; selection = selection->Next)
        if (selection->Group == group) return true;
    return false;
}

bool NameBefore(const UserGroup* a, const UserGroup* b) {
    return _stricmp(a->GroupName.c_str(), b->GroupName.c_str()) < 0;
}

}  // namespace

AvailableUserGroupsDialog::AvailableUserGroupsDialog(ModuleState& state) : DialogBase(IDD_AVAILABLE_GROUPS), state_(state) {}

void AvailableUserGroupsDialog::Show(HINSTANCE instance, HWND owner, ChannelConfig& config, std::function<void()> added) {
    if (IsOpen()) return;
    config_ = &config;
    added_ = std::move(added);
    RunModal(instance, owner);
    config_ = nullptr;
    added_ = nullptr;
}

bool AvailableUserGroupsDialog::OnInit() {
    list_.Attach(Item(IDC_AVAILABLE_LIST), kColumns);
    std::vector<UserGroup*> groups;
    for (UserGroup* group = state_.UserGroups.Head; group; group = group->Next)
        if (!IsSelectedInto(*config_, group)) groups.push_back(group);
    std::stable_sort(groups.begin(), groups.end(), NameBefore);
    for (UserGroup* group : groups) list_.SetCell(list_.Append(group), 0, group->GroupName.c_str());
    return true;
}

bool AvailableUserGroupsDialog::OnCommand(int id, int) {
    if (id == IDOK) OnOk();
    if (id == IDCANCEL) End(IDCANCEL);
    return id == IDOK || id == IDCANCEL;
}

// Groups deleted in the User Manager while this was open are passed over.
std::vector<UserGroup*> AvailableUserGroupsDialog::ChosenGroups() const {
    std::vector<UserGroup*> chosen;
    for (int row : list_.SelectedRows()) {
        UserGroup* group = list_.At<UserGroup>(row);
        if (HoldsGroup(state_, group)) chosen.push_back(group);
    }
    return chosen;
}

void AvailableUserGroupsDialog::OnOk() {
    std::vector<UserGroup*> chosen = ChosenGroups();
    std::vector<UserGroup*> refused = AddGroupsToChannel(state_, config_, chosen);
    if (refused.size() != chosen.size() && added_) added_();
    if (refused.empty()) return End(IDOK);
    DropUnavailable();
}

// The accepted groups leave the list, and so do groups deleted meanwhile.
void AvailableUserGroupsDialog::DropUnavailable() {
    for (int row = list_.RowCount() - 1; row >= 0; --row) {
        UserGroup* group = list_.At<UserGroup>(row);
        if (!HoldsGroup(state_, group) || IsSelectedInto(*config_, group)) list_.Remove(row);
    }
}

}  // namespace qvs
