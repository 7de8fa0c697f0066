// The "Users" page of the main tabs: the user groups selected into the shown
// channel with their settings, and the defaults new selections start from.
#pragma once
#include "panel/framework/channel_page.h"
#include "panel/framework/list_view_table.h"
#include "panel/pages/available_user_groups_dialog.h"
#include "panel/pages/group_members_dialog.h"

namespace qvs {

class UsersPage final : public ChannelPage {
public:
    explicit UsersPage(ModuleState& state);

private:
    bool OnPageInit() override;
    void OnFill(ChannelConfig& config) override;
    void OnClear() override;
    bool OnPageCommand(int id, int code) override;
    bool OnNotify(const NMHDR& notice) override;
    GroupSelection* SelectedSelection() const;
    void ShowSettings();
    void ShowRow(int row);
    void AddGroups();
    void RemoveGroup();
    void ShowMembers(int row);
    HWND Panel() const;

    ListViewTable table_;
    ControlBindings<GroupSelection> settings_;
    ControlBindings<GroupSelectionDefaults> defaults_;
    GroupMembersDialog members_;
    AvailableUserGroupsDialog available_;
};

}  // namespace qvs
