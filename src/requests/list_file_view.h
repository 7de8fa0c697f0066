// A read-only view of a whole list file for the duration of one lookup or
// search: list files are scanned in place, never read into memory.
#pragma once
#include <cstddef>
#include <string>

#include "ports/file_port.h"

namespace qvs {

class ListFileView {
public:
    ListFileView(FilePort& files, const std::string& path) : files_(files), open_(files.MapFile(path, view_)) {}
    ~ListFileView() {
        if (open_) files_.UnmapFile(view_);
    }
    ListFileView(const ListFileView&) = delete;
    ListFileView& operator=(const ListFileView&) = delete;
    bool Open() const { return open_; }
    const char* Data() const { return view_.Data; }
    std::size_t Size() const { return static_cast<std::size_t>(view_.Size); }

private:
    FilePort& files_;
    MappedFile view_;
    bool open_;
};

}  // namespace qvs
