// Keeping an automatically generated list current when a user asks for it.
#pragma once
#include "model/module_state.h"

namespace qvs {

// For a list with AutoGen on: a list never generated is generated on its
// own thread (the request does not wait); one not generated today is
// regenerated inline (the request waits). Then the list manager's view is
// refreshed.
void RegenerateListOnRequest(ModuleState& state, FileList* list);

}  // namespace qvs
