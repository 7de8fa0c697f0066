// randomfile.dat: the text files that random-text variables draw lines from.
#pragma once
#include "model/module_state.h"

namespace qvs {

// True when the file was replaced; a failure is silent and keeps the old file.
bool SaveRandomFiles(ModuleState& state);
// Replaces the RandomTextFile list with the file's.
void LoadRandomFiles(ModuleState& state);

}  // namespace qvs
