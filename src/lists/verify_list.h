// Verify List: the listed files whose names hold two blanks in a row (many
// clients cannot ask for them), renaming them, and the report file.
#pragma once
#include <string>
#include <vector>

#include "model/module_state.h"

namespace qvs {

struct InvalidEntry {
    bool HasFolder = false;
    std::string Folder;  // ends with a separator
    std::string Name;
};

// Scans the list file. False when it cannot be opened ("Error: cannot open
// file" box shown); with no entries the "has no invalid entries" box is
// shown. The entries come in file order, at most one per line.
bool VerifyList(ModuleState& state, const FileList* list, std::vector<InvalidEntry>& entries);

// Renames each entry's file: runs of blanks shrink to one; when that name
// is taken, each blank followed by a blank becomes an underscore instead.
// An existing file is never replaced.
void AutoRename(ModuleState& state, const std::vector<InvalidEntry>& entries);

// Writes the report (one "folder name" line per entry) beside the list
// files; its path, or "" when it could not be written.
std::string SaveInvalidReport(ModuleState& state, const FileList* list, const std::vector<InvalidEntry>& entries);

}  // namespace qvs
