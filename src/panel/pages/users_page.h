// The "Users" page of the main tabs: the user groups of the selected
// channel.
#pragma once
#include "panel/framework/dialog_base.h"

namespace qvs {

class UsersPage final : public DialogBase {
public:
    UsersPage();
};

}  // namespace qvs
