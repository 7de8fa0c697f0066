// A file request for one FileList: look the name up, queue the file, answer.
#pragma once
#include "host/server_events.h"
#include "model/module_state.h"

namespace qvs {

// 1 when the list holds the name and the file is on disk (the user has then
// been answered, whatever the admission said); 0 otherwise.
int HandleFileRequest(ModuleState& state, const FileList* list, const TextEvent& request, ServedChannel* channel,
                      const char* name);

}  // namespace qvs
