#include "lists/verify_list.h"

#include "hostlink/user_text.h"
#include "lists/list_texts.h"
#include "model/names.h"
#include "ports/file_port.h"
#include "ports/panel_port.h"

namespace qvs {
namespace {

constexpr std::size_t kFolderHeadingLength = sizeof kFolderHeading - 1;
constexpr std::size_t kFolderHeadingTail = 2;  // the closing " ]"
constexpr char kCannotOpenBox[] = "Error: cannot open file: %s";
constexpr char kNoInvalidEntriesBox[] = "%s has no invalid entries";

struct Line {
    const char* Text;
    std::size_t Length;  // up to its CR, or to the end of the file
};

bool StartsWithNoCase(const Line& line, const char* prefix, std::size_t length) {
    return line.Length >= length && NamesEqualN(line.Text, prefix, length);
}

// The file name of a file line: after the trigger and its blank, up to the
// line's end, or up to the size column when the list shows sizes (the
// column's own blanks are no fault of the name).
std::string NameOf(const FileList* list, const Line& line, std::size_t trigger) {
    std::string name(line.Text + trigger + 1, line.Length - trigger - 1);
    if (list->IncludeFileSize == 1) {
        std::size_t column = name.rfind(kSizeColumn);
        if (column != std::string::npos) name.resize(column);
    }
    return name;
}

bool SearchListFolders(ModuleState& state, const FileList* list, const std::string& name, std::string& folder) {
    std::string found;
    for (const NameNode* root = list->CreationFolder.Head; root; root = root->Next) {
        if (!state.Ports.Files->SearchTreeForFile(root->Value.c_str(), name, found)) continue;
        folder = found.substr(0, found.find_last_of("\\/") + 1);  // the platform may answer with either separator
        return true;
    }
    return false;
}

class ListScan {
public:
    ListScan(ModuleState& state, const FileList* list, std::vector<InvalidEntry>& entries)
        : state_(state), list_(list), entries_(entries) {}

    void Scan(const char* data, std::size_t size) {
        for (std::size_t at = 0; at < size;) {
            std::size_t end = at;
            while (end < size && data[end] != '\r' && data[end] != '\n') ++end;
            Take(Line{data + at, end - at});
            at = end + 1;
        }
    }

private:
    void Take(const Line& line) {
        if (StartsWithNoCase(line, kFolderHeading, kFolderHeadingLength)) return Heading(line);
        std::size_t trigger = list_->FileTrigger.Length();
        if (line.Length <= trigger || !StartsWithNoCase(line, list_->FileTrigger.c_str(), trigger)) return;
        InvalidEntry entry;
        entry.Name = NameOf(list_, line, trigger);
        // The separator after the trigger counts: "!get  a" names " a".
        if (std::string(line.Text + trigger, entry.Name.size() + 1).find("  ") == std::string::npos) return;
        if (list_->IncludeFolderName == 1) {
            entry.HasFolder = hasHeading_;
            entry.Folder = heading_;
        } else {
            entry.HasFolder = SearchListFolders(state_, list_, entry.Name, entry.Folder);
        }
        entries_.push_back(entry);
    }
    void Heading(const Line& line) {
        std::size_t length = line.Length - kFolderHeadingLength;
        hasHeading_ = length >= kFolderHeadingTail;
        heading_.assign(line.Text + kFolderHeadingLength, hasHeading_ ? length - kFolderHeadingTail : 0);
    }

    ModuleState& state_;
    const FileList* list_;
    std::vector<InvalidEntry>& entries_;
    bool hasHeading_ = false;
    std::string heading_;
};

std::string ShrunkBlanks(const std::string& name) {
    std::string shrunk;
    for (char c : name)
        if (c != ' ' || shrunk.empty() || shrunk.back() != ' ') shrunk += c;
    return shrunk;
}

std::string UnderscoredBlanks(std::string name) {
    for (std::size_t i = 0; i + 1 < name.size(); ++i)
        if (name[i] == ' ' && name[i + 1] == ' ') name[i] = '_';
    return name;
}

bool RenameUnlessTaken(FilePort& files, const std::string& from, const std::string& to) {
    return !files.FileExists(to) && files.ReplaceFile(from, to);
}

}  // namespace

bool VerifyList(ModuleState& state, const FileList* list, std::vector<InvalidEntry>& entries) {
    entries.clear();
    FilePort& files = *state.Ports.Files;
    MappedFile view;
    if (list->TrueListName.IsEmpty() || !files.MapFile(state.ConfigFolder + list->TrueListName.c_str() + ".txt", view)) {
        state.Ports.Panel->ShowMessage(FormatUserText(kCannotOpenBox, list->TrueListName.c_str()).c_str(), kIconError);
        return false;
    }
    ListScan(state, list, entries).Scan(view.Data, static_cast<std::size_t>(view.Size));
    files.UnmapFile(view);
    if (entries.empty())
        state.Ports.Panel->ShowMessage(FormatUserText(kNoInvalidEntriesBox, list->ListName.c_str()).c_str(),
                                       kIconInformation);
    return true;
}

// An entry without a folder would name a file wherever the host happens to
// stand: it is left alone.
void AutoRename(ModuleState& state, const std::vector<InvalidEntry>& entries) {
    FilePort& files = *state.Ports.Files;
    for (const InvalidEntry& entry : entries) {
        if (!entry.HasFolder || entry.Folder.empty()) continue;
        std::string source = entry.Folder + entry.Name;
        if (!RenameUnlessTaken(files, source, entry.Folder + ShrunkBlanks(entry.Name)))
            RenameUnlessTaken(files, source, entry.Folder + UnderscoredBlanks(entry.Name));
    }
}

std::string SaveInvalidReport(ModuleState& state, const FileList* list, const std::vector<InvalidEntry>& entries) {
    std::string report;
    for (const InvalidEntry& entry : entries) report += entry.Folder + entry.Name + "\r\n";
    std::string path = state.ConfigFolder + list->ListName.c_str() + kInvalidReportSuffix;
    FilePort& files = *state.Ports.Files;
    if (!files.CreateEmptyFile(path) || !files.AppendToFile(path, report.data(), report.size())) return "";
    return path;
}

}  // namespace qvs
