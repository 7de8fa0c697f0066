#include "lists/list_body_writer.h"

#include <cstdio>
#include <cstring>

#include "lists/list_texts.h"
#include "model/names.h"
#include "model/paths.h"
#include "stats/number_texts.h"

namespace qvs {
namespace {

// Lines are gathered and written in blocks of about this size.
constexpr std::size_t kWriteBlock = 1 << 20;
constexpr char kFolderHeadingEnd[] = " ]\r\n";

// "txt", ".txt" and "*.txt" all name the same extension.
std::string BareExtension(const char* extension) {
    while (*extension == '*') ++extension;
    if (*extension == '.') ++extension;
    return extension;
}

}  // namespace

void ListBodyWriter::SetExtension(const char* extension) {
    std::string bare = BareExtension(extension ? extension : "");
    if (!bare.empty()) excluded_.push_back(bare);
}

void ListBodyWriter::SetFolder(const char* data) {
    if (data && *data) folders_.push_back(WithTrailingSeparator(data));
}

bool ListBodyWriter::IsExcluded(const std::string& name) const {
    std::size_t dot = name.rfind('.');
    if (dot == std::string::npos) return false;
    const char* extension = name.c_str() + dot + 1;
    for (const std::string& excluded : excluded_)
        if (NamesEqual(extension, excluded.c_str())) return true;
    return false;
}

// A body that could not be written whole is removed and lists nothing: a
// cut list must never pass for the complete one.
void ListBodyWriter::CreateList(char* data) {
    path_.assign(data, strnlen(data, kCreateListBufferSize - 1));
    pending_.clear();
    count_ = size_ = 0;
    failed_ = !files_.CreateEmptyFile(path_);
    for (const std::string& folder : folders_)
        if (!failed_) ListTree(folder);
    folders_.clear();
    Flush(true);
    if (failed_) {
        files_.DeleteFile(path_);
        count_ = size_ = 0;
    }
    std::snprintf(data, kCreateListBufferSize, "%llu", static_cast<unsigned long long>(count_));
}

void ListBodyWriter::GetCombinedSize(uint64_t* size) {
    if (size) *size = size_;
}

void ListBodyWriter::ListTree(const std::string& folder) {
    SortedFolder listing;
    if (!ListSortedFolder(files_, folder, listing)) return;  // gone or unreadable: nothing to list
    ListFiles(folder, listing.Files);
    for (const FolderItem& sub : listing.Folders) ListTree(folder + sub.Name + '\\');
}

void ListBodyWriter::ListFiles(const std::string& folder, const std::vector<FolderItem>& listed) {
    bool headed = false;
    for (const FolderItem& file : listed) {
        if (IsExcluded(file.Name)) continue;
        if (showDir_ && !headed) {
            // The blank line before a heading also puts every heading right
            // after a line break, where readers of the list look for it,
            // even when the list file has no header above the body.
            pending_.append("\r\n").append(kFolderHeading).append(folder).append(kFolderHeadingEnd);
            headed = true;
        }
        AddLine(file);
    }
}

void ListBodyWriter::AddLine(const FolderItem& file) {
    pending_.append(trigger_).append(1, ' ').append(file.Name);
    if (showSize_) pending_.append(kSizeColumn).append(1, ' ').append(FormatSize(file.Size));
    pending_.append("\r\n");
    ++count_;
    size_ += file.Size;
    Flush(false);
}

void ListBodyWriter::Flush(bool last) {
    if (failed_ || pending_.empty() || (!last && pending_.size() < kWriteBlock)) return;
    failed_ = !files_.AppendToFile(path_, pending_.data(), pending_.size());
    pending_.clear();
}

}  // namespace qvs
