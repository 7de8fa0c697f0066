// "Allocated memory:" on the statistics page: the blocks of the module's
// private heap that are in use, in kilobytes.
#pragma once
#include "model/module_state.h"

namespace qvs {

// "Check Memory Now", and the one-minute tick while AutoMemoryCheck is 1.
// A heap that cannot be walked shows "n/a" and stops the minute checks, so a
// walk that keeps failing is not tried again every minute.
void CheckMemory(ModuleState& state);

// "Compact Memory": the heap gives its free pages back, then is measured.
void CompactMemory(ModuleState& state);

}  // namespace qvs
