// The file system as the module uses it. Paths are Windows paths; the native
// adapter maps them onto a scratch folder.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace qvs {

struct MappedFile {
    const char* Data = nullptr;
    uint64_t Size = 0;
    void* Handle = nullptr;  // adapter's own
};

// One entry of a folder listing.
struct FolderItem {
    std::string Name;
    uint64_t Size = 0;
    bool IsFolder = false;
    // A symbolic link, junction or other reparse point: following one into a
    // folder can lead back up the tree.
    bool IsLink = false;
};

class FilePort {
public:
    virtual ~FilePort() = default;
    virtual bool FolderExists(const std::string& path) = 0;
    virtual bool CreateFolder(const std::string& path) = 0;
    // Creates or truncates to zero bytes.
    virtual bool CreateEmptyFile(const std::string& path) = 0;
    // Opens (creating when missing), appends, closes.
    virtual bool AppendToFile(const std::string& path, const char* bytes, std::size_t count) = 0;
    // Overwrites bytes of an existing file at offset, in place: the file is
    // neither created nor truncated.
    virtual bool WriteAt(const std::string& path, uint64_t offset, const char* bytes, std::size_t count) = 0;
    virtual bool FileExists(const std::string& path) = 0;
    // Size of an existing file, or -1.
    virtual int64_t FileSize(const std::string& path) = 0;
    virtual bool DeleteFile(const std::string& path) = 0;
    // Replaces an existing target.
    virtual bool ReplaceFile(const std::string& from, const std::string& to) = 0;
    // Read-only view of a whole file; false when missing or unreadable.
    // An empty file maps as Data null, Size 0.
    virtual bool MapFile(const std::string& path, MappedFile& view) = 0;
    virtual void UnmapFile(MappedFile& view) = 0;
    // Whether path is itself a symbolic link, junction or other reparse
    // point (the last part only; what leads to it is followed). A path that
    // cannot be looked at counts as one: the answer decides what is safe.
    virtual bool IsLink(const std::string& path) = 0;
    // Finds a file by name anywhere below root; the full path on success.
    virtual bool SearchTreeForFile(const std::string& root, const std::string& name, std::string& found) = 0;
    // The entries of one folder, without "." and "..", in no set order;
    // false when the folder cannot be read.
    virtual bool ListFolder(const std::string& folder, std::vector<FolderItem>& items) = 0;
};

}  // namespace qvs
