// A FileList's four texts as the list dialogs and the wizard edit them: the
// checks in the order the user meets their answers, creation with the
// defaults of a new list, and modification.
#pragma once
#include <string>

#include "model/module_state.h"

namespace qvs {

extern const char kNoListNameMessage[];
extern const char kNoListTriggerMessage[];
extern const char kNoFileTriggerMessage[];
extern const char kTriggerBlankMessage[];
extern const char kSameTriggersMessage[];
extern const char kDuplicateListMessage[];
extern const char kDefaultListHeader[];

// What the dialog fields hold; cut to the fields' lengths when checked or
// stored.
struct ListProperties {
    std::string ListName;
    std::string Description;
    std::string ListTrigger;
    std::string FileTrigger;
};

// The texts as the fields can hold them: names and descriptions up to 511
// characters, triggers up to 127.
ListProperties CutToFields(const ListProperties& properties);

// Each answers the first failing check's message, or null when the list may
// be stored. "New List Properties" accepts empty triggers; the wizard does
// not. Modifying compares the name with the other lists only.
const char* CheckNewList(const ModuleState& state, const ListProperties& properties);
const char* CheckWizardList(const ModuleState& state, const ListProperties& properties);
const char* CheckModifiedList(const ModuleState& state, const FileList* list, const ListProperties& properties);

// The first FileList of that name (ignoring case) other than except.
FileList* FindFileList(const ModuleState& state, const char* name, const FileList* except = nullptr);

// A new FileList with the defaults (default header; sizes, folders, zipped
// and notify on; schedule every 60 minutes, off), at the end of the lists.
// Null when memory runs out; nothing is then left behind.
FileList* CreateFileList(ModuleState& state, const ListProperties& properties);

// Stores the four texts; the list file keeps its name until the next
// generation. False when memory ran out (the list keeps its texts).
bool ModifyFileList(FileList* list, const ListProperties& properties);

}  // namespace qvs
