// The records of a fixture configuration, made as the list manager makes
// them: a file list, and its selection in a channel with an access mode.
#pragma once
#include <cstdint>

#include "model/module_state.h"

namespace qvs::fixtures {

struct ListSettings {
    const char* Name;
    const char* TrueName;     // the list file's name in the configuration folder, without ".txt"
    const char* FileTrigger;
    const char* ListTrigger;  // null: the list has none
    uint32_t IncludeFileSize;
    uint32_t IncludeFolderName;
    const char* Folder;       // the folder its files are served from (Windows path)
};

FileList* AddFileList(ModuleState& state, const ListSettings& settings);

}  // namespace qvs::fixtures
