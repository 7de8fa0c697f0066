// The RandomText File Manager's list of text files that random-text
// variables draw a line from.
#pragma once
#include "model/edit_answer.h"
#include "model/module_state.h"

namespace qvs {

extern const char kNoRandomNameMessage[];
extern const char kNoRandomPathMessage[];
extern const char kDuplicateRandomNameMessage[];

// Checked in that order: a name (cut to 127 characters), a path, a name not
// yet listed (ignoring case). Appended when all pass.
EditAnswer<RandomTextFile> AddRandomTextFile(ModuleState& state, const char* name, const char* path);
void RemoveRandomTextFile(ModuleState& state, RandomTextFile* file);

}  // namespace qvs
