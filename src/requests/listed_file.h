// Finding a requested name in a FileList's list file, and the file itself.
#pragma once
#include <string>

#include "model/module_state.h"

namespace qvs {

// 1 when the list file lists the name and a folder of the list holds it,
// with its full path in fullPath; 0 otherwise.
int FindListedFile(ModuleState& state, const FileList* list, const char* name, std::string& fullPath);

}  // namespace qvs
