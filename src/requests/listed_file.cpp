#include "requests/listed_file.h"

#include <algorithm>

#include "ports/file_port.h"
#include "requests/file_names.h"
#include "requests/folded_pattern.h"
#include "requests/list_file_view.h"

namespace qvs {
namespace {

// File lines end in this when the list shows sizes.
constexpr char kSizeSuffix[] = "     -";
constexpr std::size_t kSizeSuffixLength = sizeof kSizeSuffix - 1;
// The line that opens a folder's files when the list shows folder names.
constexpr char kFolderHeader[] = "[ contents of ";
constexpr std::size_t kFolderHeaderLength = sizeof kFolderHeader - 1;
// What follows the folder path on that line.
constexpr std::size_t kFolderHeaderTail = 2;

// Every line starts with the same trigger and most share an extension; the
// rest of the name is what tells them apart.
FoldedPattern PatternOf(const FileList* list, const std::string& name) {
    std::string pattern = list->FileTrigger.c_str();
    pattern += ' ';
    std::size_t nameFrom = pattern.size();
    std::size_t extension = name.rfind('.');
    std::size_t nameTo = nameFrom + (extension == std::string::npos || extension == 0 ? name.size() : extension);
    pattern += name;
    if (list->IncludeFileSize == 1) pattern += kSizeSuffix;
    return FoldedPattern(pattern, nameFrom, nameTo);
}

bool StartsLine(const ListFileView& view, std::size_t at) { return at == 0 || view.Data()[at - 1] == '\n'; }

// The rest of the line from "from" holds no further size column: a name
// holding "     -" cannot pass its tail off as the size.
bool SizeColumnIsLast(const ListFileView& view, std::size_t from) {
    const char* line = view.Data() + from;
    std::size_t length = 0;
    while (from + length < view.Size() && line[length] != '\r' && line[length] != '\n') ++length;
    return std::search(line, line + length, kSizeSuffix, kSizeSuffix + kSizeSuffixLength) == line + length;
}

// Only a whole file line counts: it starts with the pattern, and the name
// ends where the line does (without sizes) or where the size column begins.
// So a.txt does not match a line listing a.txt.bak, and a file whose name
// holds a list line of its own cannot stand in for a file the list left out.
bool OccurrenceCounts(const FileList* list, const ListFileView& view, std::size_t at, std::size_t end) {
    if (!StartsLine(view, at)) return false;
    if (list->IncludeFileSize == 1) return SizeColumnIsLast(view, end);
    return end == view.Size() || view.Data()[end] == '\r';
}

bool IsFolderHeader(const ListFileView& view, std::size_t start) {
    if (view.Size() - start < kFolderHeaderLength) return false;
    for (std::size_t i = 0; i < kFolderHeaderLength; ++i)
        if (FoldByte(static_cast<unsigned char>(view.Data()[start + i])) != kFolderHeader[i]) return false;
    return true;
}

// The folder text of a header line, without its closing " ]"; false when
// the line is too short to hold one.
bool FolderOfHeader(const ListFileView& view, std::size_t start, std::string& folder) {
    std::size_t from = start + kFolderHeaderLength;
    std::size_t end = from;
    while (end < view.Size() && view.Data()[end] != '\r' && view.Data()[end] != '\n') ++end;
    if (end - from < kFolderHeaderTail) return false;
    folder.assign(view.Data() + from, end - from - kFolderHeaderTail);
    return true;
}

// Going back from the occurrence line by line, the folder named by the
// nearest header line above it.
bool FolderAbove(const ListFileView& view, std::size_t occurrence, std::string& folder) {
    for (std::size_t at = occurrence; at > 0;) {
        --at;
        if (view.Data()[at] != '\n' || !IsFolderHeader(view, at + 1)) continue;
        return FolderOfHeader(view, at + 1, folder);
    }
    return false;
}

bool SearchListFolders(ModuleState& state, const FileList* list, const char* name, std::string& fullPath) {
    for (const NameNode* folder = list->CreationFolder.Head; folder; folder = folder->Next)
        if (state.Ports.Files->SearchTreeForFile(folder->Value.c_str(), name, fullPath)) return true;
    return false;
}

int LocateListedFile(ModuleState& state, const FileList* list, const ListFileView& view, std::size_t occurrence,
                     const char* name, std::string& fullPath) {
    std::string folder;
    if (list->IncludeFolderName == 1 && FolderAbove(view, occurrence, folder)) {
        fullPath = folder + name;
        return 1;
    }
    return SearchListFolders(state, list, name, fullPath) ? 1 : 0;
}

}  // namespace

int FindListedFile(ModuleState& state, const FileList* list, const char* name, std::string& fullPath) {
    if (!IsServableFileName(name) || list->TrueListName.IsEmpty()) return 0;
    ListFileView view(*state.Ports.Files, state.ConfigFolder + list->TrueListName.c_str() + ".txt");
    if (!view.Open()) return 0;
    FoldedPattern pattern = PatternOf(list, name);
    const std::size_t none = FoldedPattern::kNotFound;
    for (std::size_t at = pattern.FindIn(view.Data(), view.Size(), 0); at != none;
         at = pattern.FindIn(view.Data(), view.Size(), at + 1))
        if (OccurrenceCounts(list, view, at, at + pattern.Length()))
            return LocateListedFile(state, list, view, at, name, fullPath);
    return 0;
}

}  // namespace qvs
