// user.dat: the user groups, the pool of available nicks and the settings a
// new group selection starts with.
#pragma once
#include "model/module_state.h"

namespace qvs {

// True when the file was replaced; a failure is silent and keeps the old file.
bool SaveUserGroups(ModuleState& state);
void LoadUserGroups(ModuleState& state);

}  // namespace qvs
