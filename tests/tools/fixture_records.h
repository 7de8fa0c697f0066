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

struct AdDisplay {
    uint32_t DisplayWhen;    // 1 on a timer, 2 on the trigger word, 3 both
    uint32_t DisplayMethod;  // for trigger showings: 0 channel, 1 notice, else private message
    uint32_t RunAfter;       // seconds
    const char* Trigger;
};

FileList* AddFileList(ModuleState& state, const ListSettings& settings);
// A group of one advertisement shown once, startAfter seconds after the
// group's activation.
AdGroup* AddAdGroup(ModuleState& state, const char* name, const char* text, uint32_t startAfter);
void SelectAdGroup(ChannelConfig* config, AdGroup* group, const AdDisplay& display);

}  // namespace qvs::fixtures
