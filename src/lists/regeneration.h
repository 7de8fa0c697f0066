// Regenerating list files: asked for by the list manager, by the per-list
// schedule, by a list request when the date changed, and by the host.
#pragma once
#include <cstdint>

#include "model/module_state.h"

namespace qvs {

// Withdraws the current list file and starts the generation, inline when
// sync is 1. Updating is 1 while this runs on the caller's thread.
void RegenerateList(ModuleState& state, FileList* list, uint32_t showResult, uint32_t sync, uint32_t notifyHost);

// For a list with AutoGen on, before a list request is queued: a list never
// generated is generated inline, one not generated today is regenerated
// inline; then the list views are refreshed.
void RegenerateListOnRequest(ModuleState& state, FileList* list);

// The one-minute tick: lists whose schedule is due are regenerated.
void RunListSchedule(ModuleState& state);

// The host asked through _ListGen: the list named by the text (blanks, 0x06,
// CR and LF trimmed) is regenerated and answers with "/QVSListDone" when
// done; an unknown name is answered at once with 0.
void ListGenRequested(ModuleState& state, const char* data);

}  // namespace qvs
