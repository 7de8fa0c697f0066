// A list file of one million files (about 60 MB) in a folder of its own
// under /tmp, written once per benchmark run: what the lookups and the
// search scan, and what grep is run on beside them.
#pragma once
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "fake/fake_platform.h"
#include "model/memory.h"

namespace qvs {

constexpr int kMillionFiles = 1000000;

inline std::string MillionListFileName(int number) {
    char name[64];
    std::snprintf(name, sizeof name, "Some Artist - Track Title %07d.mp3", number);
    return name;
}

class MillionLineList {
public:
    MillionLineList() : folder_(MakeFolder()), platform_(folder_ + "/") {
        list_ = NewRecord<FileList>();
        list_->ListName.Set("Music");
        list_->ListTrigger.Set("@music");
        list_->TrueListName.Set("Music-20260307");
        list_->FileTrigger.Set("!music");
        list_->IncludeFileSize = 1;
        list_->IncludeFolderName = 1;
        platform_.State.FileLists.PushBack(list_);
        Write();
    }
    ~MillionLineList() {
        std::string command = "rm -rf '" + folder_ + "'";
        if (std::system(command.c_str()) != 0) std::fprintf(stderr, "could not remove %s\n", folder_.c_str());
    }
    MillionLineList(const MillionLineList&) = delete;
    MillionLineList& operator=(const MillionLineList&) = delete;

    FakePlatform& Platform() { return platform_; }
    ModuleState& State() { return platform_.State; }
    FileList* List() const { return list_; }
    std::string Path() const { return folder_ + "/Music-20260307.txt"; }

    // The one list file of a run.
    static MillionLineList& Shared() {
        static MillionLineList list;
        return list;
    }

private:
    static constexpr int kFilesPerFolder = 1000;

    static std::string MakeFolder() {
        char pattern[] = "/tmp/qvs-bench-XXXXXX";
        const char* made = mkdtemp(pattern);
        return made ? made : "/tmp";
    }
    void Write() {
        std::ofstream file(Path(), std::ios::binary);
        file << "Music list\r\n\r\n";
        for (int number = 0; number < kMillionFiles; ++number) {
            if (number % kFilesPerFolder == 0)
                file << "\r\n[ Contents of D:\\Music\\Folder " << number / kFilesPerFolder << "\\ ]\r\n";
            file << "!music " << MillionListFileName(number) << "     -  4.2 MB\r\n";
        }
    }

    std::string folder_;
    FakePlatform platform_;
    FileList* list_ = nullptr;
};

}  // namespace qvs
