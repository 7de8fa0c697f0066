// advertisement.dat: the advertisement groups and their advertisements.
#pragma once
#include "model/module_state.h"

namespace qvs {

// True when the file was replaced; a failure is silent and keeps the old file.
bool SaveAdvertisements(ModuleState& state);
void LoadAdvertisements(ModuleState& state);

}  // namespace qvs
