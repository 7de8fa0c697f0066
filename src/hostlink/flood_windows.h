// The hidden flood windows of the Connections are children of the panel:
// they go when the panel goes, and a new panel brings them back.
#pragma once
#include "model/module_state.h"

namespace qvs {

// The panel is being destroyed and its child windows with it.
void ForgetFloodWindows(ModuleState& state);
// A new panel exists: every Connection without a flood window gets one.
void ReopenFloodWindows(ModuleState& state);

}  // namespace qvs
