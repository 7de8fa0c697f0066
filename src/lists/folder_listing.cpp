#include "lists/folder_listing.h"

#include <algorithm>
#include <cstring>

#include "model/names.h"
#include "model/paths.h"

namespace qvs {
namespace {

// Bytes no file name on the served platform holds; a name with a line
// break would also forge lines of the list.
bool IsListableName(const std::string& name) {
    for (unsigned char c : name)
        if (c < ' ' || c == '\\' || c == '/' || c == ':') return false;
    return !name.empty();
}

// Ignoring case, then byte by byte, so that the order never depends on the
// order the platform happened to report.
bool NameBefore(const FolderItem& a, const FolderItem& b) {
    const char* x = a.Name.c_str();
    const char* y = b.Name.c_str();
    for (; *x && FoldCase(*x) == FoldCase(*y); ++x, ++y) {
    }
    unsigned char fx = static_cast<unsigned char>(FoldCase(*x));
    unsigned char fy = static_cast<unsigned char>(FoldCase(*y));
    return fx != fy ? fx < fy : a.Name < b.Name;
}

// A folder's own path gets a backslash and at least one character more.
bool FitsPathLimit(const std::string& folder, const FolderItem& item) {
    std::size_t length = folder.size() + item.Name.size() + (item.IsFolder ? 2 : 0);
    return length < kMaxPathLength;
}

}  // namespace

bool ListSortedFolder(FilePort& files, const std::string& folder, SortedFolder& listing) {
    std::vector<FolderItem> items;
    listing.Files.clear();
    listing.Folders.clear();
    if (!files.ListFolder(folder, items)) return false;
    for (FolderItem& item : items) {
        if (!IsListableName(item.Name) || !FitsPathLimit(folder, item)) continue;
        if (!item.IsFolder)
            listing.Files.push_back(std::move(item));
        else if (!item.IsLink)
            listing.Folders.push_back(std::move(item));
    }
    std::sort(listing.Files.begin(), listing.Files.end(), NameBefore);
    std::sort(listing.Folders.begin(), listing.Folders.end(), NameBefore);
    return true;
}

}  // namespace qvs
