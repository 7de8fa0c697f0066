// The file port on a POSIX file system. Windows paths are taken as they
// come, with backslashes turned into slashes, so the core's paths work under
// a scratch folder.
#pragma once
#include "ports/file_port.h"

namespace qvs {

class PosixFiles : public FilePort {
public:
    static std::string Native(const std::string& path);

    bool FolderExists(const std::string& path) override;
    bool CreateFolder(const std::string& path) override;
    bool CreateEmptyFile(const std::string& path) override;
    bool AppendToFile(const std::string& path, const char* bytes, std::size_t count) override;
    bool WriteAt(const std::string& path, uint64_t offset, const char* bytes, std::size_t count) override;
    bool FileExists(const std::string& path) override;
    int64_t FileSize(const std::string& path) override;
    bool DeleteFile(const std::string& path) override;
    bool ReplaceFile(const std::string& from, const std::string& to) override;
    bool MapFile(const std::string& path, MappedFile& view) override;
    void UnmapFile(MappedFile& view) override;
    bool IsLink(const std::string& path) override;
    bool SearchTreeForFile(const std::string& root, const std::string& name, std::string& found) override;
    bool ListFolder(const std::string& folder, std::vector<FolderItem>& items) override;

private:
    static bool MapWhole(int fd, std::size_t size, MappedFile& view);
};

}  // namespace qvs
