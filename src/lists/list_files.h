// The files a FileList leaves in the data folder: its list file (.txt and,
// when zipped, .zip) and the Verify List report.
#pragma once
#include "model/module_state.h"

namespace qvs {

// The list is being deleted: its files go, whatever fails; no send is
// closed and no user is told.
void RemoveListFiles(ModuleState& state, const FileList* list);

// Before a regeneration: closes the host's sends of the current list file,
// takes their entries out of the sending lists, tells each receiver, then
// deletes the old files. False when a file could not be deleted (the box has
// been shown and no generation may start).
bool WithdrawListFile(ModuleState& state, FileList* list);

}  // namespace qvs
