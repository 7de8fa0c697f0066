// Deleting a FileList from the list manager: its bindings, its files and
// the record, safe against a generation of it that runs or waits to run.
#pragma once
#include "model/module_state.h"

namespace qvs {

// Every channel's selection of the list goes, queued requests for it forget
// it (they keep their place; a list file they name is gone), its files are
// deleted and the record leaves the FileLists. Done under the
// list-generation lock, so a running generation ends first and one still
// waiting finds the list Retired and writes nothing; such a record is kept
// on RetiredLists until its generations have ended.
void RemoveFileList(ModuleState& state, FileList* list);

// Releases the retired lists no generation can reach any more (UI thread:
// on every removal, the housekeeping tick and shutdown).
void ReleaseRetiredLists(ModuleState& state);

// The record with its folder and extension names.
void ReleaseFileList(FileList* list);

}  // namespace qvs
