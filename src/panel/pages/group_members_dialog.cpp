#include "panel/pages/group_members_dialog.h"

#include "panel/pages/users_page_resource.h"

namespace qvs {
namespace {

constexpr int kNickWidth = 200;
const ListColumnSpec kColumns[] = {{"", kNickWidth, LVCFMT_LEFT}};

}  // namespace

GroupMembersDialog::GroupMembersDialog() : DialogBase(IDD_GROUP_MEMBERS) {}

void GroupMembersDialog::Show(HINSTANCE instance, HWND owner, const UserGroup& group) {
    if (IsOpen()) return;
    caption_ = group.GroupName.c_str();
    members_.clear();
    for (const NameNode* member = group.Members.Head; member; member = member->Next)
        members_.push_back(member->Value.c_str());
    RunModal(instance, owner);
}

bool GroupMembersDialog::OnInit() {
    SetWindowTextA(Window(), caption_.c_str());
    list_.Attach(Item(IDC_MEMBERS_LIST), kColumns);
    for (const std::string& member : members_) list_.SetCell(list_.Append(nullptr), 0, member.c_str());
    return true;
}

bool GroupMembersDialog::OnCommand(int id, int) {
    if (id != IDCANCEL && id != IDOK) return false;
    End(IDCANCEL);
    return true;
}

}  // namespace qvs
