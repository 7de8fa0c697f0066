#include "panel/pages/users_page.h"

#include "panel/pages/users_page_resource.h"

namespace qvs {

UsersPage::UsersPage(ModuleState& state) : ChannelPage(IDD_PAGE_USERS, state) {}

}  // namespace qvs
