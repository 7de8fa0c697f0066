// The configuration folder: "QVS" beside the module file. Every file of the
// module is named relative to it.
#pragma once
#include <string>

#include "model/module_state.h"

namespace qvs {

// The module file's folder (up to and with its last backslash) followed by
// "QVS", without a trailing separator.
std::string ConfigFolderBeside(const std::string& modulePath);

// The configuration folder, which ends with a separator, and the command
// log's place in it.
void SetConfigFolder(ModuleState& state, const std::string& folder);

// Module load: on first load creates the folder with empty "Channel.dat" and
// "list.dat", so that loading the configuration finds no settings. Sets the
// state's folder with its trailing backslash; failures are not reported.
void PrepareConfigFolder(ModuleState& state, const std::string& modulePath);

}  // namespace qvs
