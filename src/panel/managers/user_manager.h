// The User Manager: the user groups with their members and the pool of
// Available Nicks members are picked from. The rules (names unique without
// regard to case, their error boxes) are the core's; this window shows the
// records and passes the operator's choices on.
#pragma once
#include <functional>

#include "model/module_state.h"
#include "panel/framework/list_view_table.h"
#include "panel/framework/prompt_dialog.h"
#include "panel/managers/manager_window.h"

namespace qvs {

class UserManager final : public ManagerWindow {
public:
    explicit UserManager(ModuleState& state);
    // Told after groups were renamed or deleted, so that the pages showing
    // a channel's selections show them again.
    std::function<void()> GroupsChanged;

private:
    bool OnInit() override;
    bool OnCommand(int id, int code) override;
    bool OnNotify(const NMHDR& notice) override;
    bool OnMessage(UINT message, WPARAM first, LPARAM second) override;
    void FillLists();
    UserGroup* ShownGroup() const;
    void ShowMembers();
    void AddNick();
    void RemoveNicks();
    void AddGroup();
    void RemoveGroups();
    void RenameGroup();
    void CopyNicksToGroup();
    void CopyMembersToPool();
    void RemoveMembers();
    void TellGroupsChanged();

    ModuleState& state_;
    ListViewTable pool_;
    ListViewTable groups_;
    ListViewTable members_;
    PromptDialog rename_;
};

}  // namespace qvs
