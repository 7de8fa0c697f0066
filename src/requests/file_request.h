// A file request for one FileList: look the name up, queue the file, answer.
#pragma once
#include "model/module_state.h"
#include "wire/server_event_wire.h"

namespace qvs {

// 1 when the list holds the name and the file is on disk (the user has then
// been answered, whatever the admission said); 0 otherwise.
int HandleFileRequest(ModuleState& state, const FileList* list, const TextEvent& request, ServedChannel* channel,
                      const char* name);

}  // namespace qvs
