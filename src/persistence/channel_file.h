// channel.dat: the global serving settings and every ChannelConfig with its
// selections.
#pragma once
#include "model/module_state.h"

namespace qvs {

// True when the file was replaced; a failure is reported in an error box and
// keeps the old file.
bool SaveChannelConfigs(ModuleState& state);
// Loads after user.dat, advertisement.dat and list.dat, whose records the
// channels' selections name.
void LoadChannelConfigs(ModuleState& state);

}  // namespace qvs
