// One folder as a list body shows it: its files and its subfolders, each in
// an order a person can read.
#pragma once
#include <string>
#include <vector>

#include "ports/file_port.h"

namespace qvs {

struct SortedFolder {
    std::vector<FolderItem> Files;    // by name, ignoring case
    std::vector<FolderItem> Folders;  // by name, ignoring case; no linked ones
};

// Lists folder (a path ending in a backslash). Leaves out what the module
// could never serve: names no served file can have, paths beyond the
// platform's limit, and folders reached through a link, which may lead
// back up the tree. False when the folder cannot be read.
bool ListSortedFolder(FilePort& files, const std::string& folder, SortedFolder& listing);

}  // namespace qvs
