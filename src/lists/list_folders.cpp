#include "lists/list_folders.h"

#include <string>

#include "hostlink/text_routines.h"
#include "model/channel_config.h"
#include "model/memory.h"

namespace qvs {
namespace {

constexpr uint32_t kDefaultScheduleInterval = 60;  // minutes

NameNode* FindName(const List<NameNode>& names, const char* value) {
    for (NameNode* node = names.Head; node; node = node->Next)
        if (node->Value.Equals(value)) return node;
    return nullptr;
}

NameNode* AppendNew(List<NameNode>& names, const std::string& value) {
    if (value.empty() || FindName(names, value.c_str())) return nullptr;
    NameNode* node = AppendName(names, value.c_str());
    if (node && node->Value.IsNone()) {
        names.Unlink(node);
        DeleteRecord(node);
        return nullptr;
    }
    return node;
}

std::string BareExtension(const std::string& text) {
    std::size_t start = text.find_first_not_of('.');
    if (start == std::string::npos) start = text.empty() ? 0 : text.size() - 1;
    std::string bare = text.substr(start);
    for (char& c : bare) c = FoldCase(c);
    return bare;
}

std::string FolderPath(const char* path) {
    std::string folder = path ? path : "";
    if (!folder.empty() && folder.back() != '\\') folder += '\\';
    return folder;
}

}  // namespace

NameNode* AddListFolder(FileList* list, const char* path) { return AppendNew(list->CreationFolder, FolderPath(path)); }

bool ListHasFolder(const FileList* list, const char* path) {
    return FindName(list->CreationFolder, FolderPath(path).c_str()) != nullptr;
}

NameNode* RemoveListFolder(FileList* list, NameNode* folder) {
    NameNode* next = folder->Next;
    list->CreationFolder.Unlink(folder);
    DeleteRecord(folder);
    return next ? next : list->CreationFolder.Tail;
}

NameNode* AddListExtension(FileList* list, const char* text) {
    // Blanks between the points and the letters go too: a stored blank would
    // never match a file's extension.
    return AppendNew(list->ExtensionFilter, TrimmedCopy(BareExtension(TrimmedCopy(text)).c_str()));
}

void RemoveListExtension(FileList* list, NameNode* extension) {
    list->ExtensionFilter.Unlink(extension);
    DeleteRecord(extension);
}

uint32_t ScheduleIntervalFromField(const char* text) {
    uint32_t minutes = ParseDecimal(text ? text : "");
    return minutes == 0 || minutes == kInvalidNumber ? kDefaultScheduleInterval : minutes;
}

void SetListSchedule(FileList* list, uint32_t enabled) {
    list->EnableSchedule = enabled;
    list->ScheduleMinutes = 0;
}

}  // namespace qvs
