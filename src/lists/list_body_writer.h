// Our own list body library: scans the folders through the file port and
// writes one CR LF line per file.
//
//                                       (a blank line and a heading line,
//   [ Contents of C:\shared\ ]          only with folder names on)
//   !get a.txt     - 1.5 KB             (the size part only with sizes on)
#pragma once
#include <string>
#include <vector>

#include "lists/folder_listing.h"
#include "ports/file_port.h"
#include "ports/list_body_library.h"

namespace qvs {

class ListBodyWriter final : public ListBodyLibrary {
public:
    explicit ListBodyWriter(FilePort& files) : files_(files) {}

    void SetTrigger(const char* data) override { trigger_ = data ? data : ""; }
    void SetShowSize(const char* data) override { showSize_ = IsOn(data); }
    void SetShowDir(const char* data) override { showDir_ = IsOn(data); }
    void ResetExtension() override { excluded_.clear(); }
    void SetExtension(const char* extension) override;
    void SetFolder(const char* data) override;
    void CreateList(char* data) override;
    void GetCombinedSize(uint64_t* size) override;

private:
    static bool IsOn(const char* data) { return data && data[0] == '1' && data[1] == '\0'; }
    bool IsExcluded(const std::string& name) const;
    void ListTree(const std::string& folder);
    void ListFiles(const std::string& folder, const std::vector<FolderItem>& listed);
    void AddLine(const FolderItem& file);
    void Flush(bool last);

    FilePort& files_;
    std::string trigger_;
    bool showSize_ = false;
    bool showDir_ = false;
    std::vector<std::string> excluded_;
    std::vector<std::string> folders_;
    // The list being written.
    std::string path_;
    std::string pending_;
    bool failed_ = false;
    uint64_t count_ = 0;
    uint64_t size_ = 0;
};

}  // namespace qvs
