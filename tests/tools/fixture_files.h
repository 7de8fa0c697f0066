// The plain files of a fixture: list files in the layout the request lookup
// reads, and the served files themselves.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "model/records.h"

namespace qvs::fixtures {

struct ServedFile {
    const char* Name;
    std::size_t Bytes;
    const char* SubFolder;  // below the served folder; "" for the folder itself
    bool OnDisk;            // false: listed, but gone from the disk
};

// configFolder and servedFolder are folders of this machine; the list file
// names its folder as the list's first CreationFolder. False when it could
// not be written.
bool WriteListFile(const std::string& configFolder, const FileList* list, const std::vector<ServedFile>& files);
bool WriteServedFiles(const std::string& servedFolder, const std::vector<ServedFile>& files);

}  // namespace qvs::fixtures
