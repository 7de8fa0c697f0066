// The list manager's edits of a FileList's folders, extensions and
// schedule. A generation that runs meanwhile works from its own copy of
// them, so these need no lock.
#pragma once
#include <cstdint>

#include "model/records.h"

namespace qvs {

// The folder, with a trailing backslash, at the end of CreationFolder;
// null when it is empty or already there (ignoring case).
NameNode* AddListFolder(FileList* list, const char* path);
// Whether the folder (with or without its trailing backslash) is listed.
bool ListHasFolder(const FileList* list, const char* path);
// The folder that should be selected next: the one now at that position, or
// else the last one; null when none is left.
NameNode* RemoveListFolder(FileList* list, NameNode* folder);
// "Up" and "Down" are CreationFolder.MoveTowardHead / MoveTowardTail.

// The "File Extension" dialog's Add: trimmed, leading points dropped (a text
// of points only keeps its last one), lower case, at the end of
// ExtensionFilter; null when empty or already there (ignoring case).
NameNode* AddListExtension(FileList* list, const char* text);
void RemoveListExtension(FileList* list, NameNode* extension);

// The minutes field: its unsigned value, or 60 when that is 0 or no number.
uint32_t ScheduleIntervalFromField(const char* text);
// The schedule box: the count of minutes starts again.
void SetListSchedule(FileList* list, uint32_t enabled);

}  // namespace qvs
