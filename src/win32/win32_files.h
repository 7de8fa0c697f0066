// FilePort over the platform's file functions.
#pragma once
#include "ports/file_port.h"

namespace qvs {

class Win32Files final : public FilePort {
public:
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
};

}  // namespace qvs
