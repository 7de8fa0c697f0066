// list.dat: the FileList definitions.
#pragma once
#include "model/module_state.h"

namespace qvs {

// True when the file was replaced; a failure is reported in an error box and
// keeps the old file.
bool SaveFileLists(ModuleState& state);
void LoadFileLists(ModuleState& state);

}  // namespace qvs
