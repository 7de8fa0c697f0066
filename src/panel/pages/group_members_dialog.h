// The small window a double-click on a Users page row opens: the group's
// name as its caption and its members. It keeps copies of the names, so a
// group deleted in the User Manager meanwhile leaves nothing dangling.
#pragma once
#include <string>
#include <vector>

#include "model/records.h"
#include "panel/framework/dialog_base.h"
#include "panel/framework/list_view_table.h"

namespace qvs {

class GroupMembersDialog final : public DialogBase {
public:
    GroupMembersDialog();
    void Show(HINSTANCE instance, HWND owner, const UserGroup& group);

private:
    bool OnInit() override;
    bool OnCommand(int id, int code) override;

    std::string caption_;
    std::vector<std::string> members_;
    ListViewTable list_;
};

}  // namespace qvs
