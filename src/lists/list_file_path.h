// Where a FileList's current list file lies.
#pragma once
#include <string>

#include "model/module_state.h"

namespace qvs {

// The configuration folder, the list's current file name, and ".zip" when
// the list is zipped, otherwise ".txt"; ".txt" too for a zipped list whose
// archive is missing while its text is there.
std::string ListFilePath(const ModuleState& state, const FileList* list);

}  // namespace qvs
