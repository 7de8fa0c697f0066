#include "panel/pages/users_page.h"

#include "panel/pages/users_page_resource.h"

namespace qvs {

UsersPage::UsersPage() : DialogBase(IDD_PAGE_USERS) {}

}  // namespace qvs
