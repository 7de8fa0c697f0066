// A list file of one million files (about 60 MB) in a scratch folder of its
// own, written once per benchmark run: what the lookups and the
// search scan, and what grep is run on beside them.
#pragma once
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "fake/fake_platform.h"
#include "model/memory.h"
#include "support/scratch_folder.h"

namespace qvs {

constexpr int kMillionFiles = 1000000;

inline std::string MillionListFileName(int number) {
    char name[64];
    std::snprintf(name, sizeof name, "Some Artist - Track Title %07d.mp3", number);
    return name;
}

// A list file as the generator lays it out: a header, then the files under
// a folder line for each thousand. Written in one piece, as list generation
// appends the body: the page cache then holds the file in large pages, and
// mapping it costs a fraction of what a file written in small pieces costs.
inline void WriteNumberedList(const std::string& path, const std::string& trigger, int files) {
    constexpr int kFilesPerFolder = 1000;
    std::ostringstream text;
    text << "Music list\r\n\r\n";
    for (int number = 0; number < files; ++number) {
        if (number % kFilesPerFolder == 0)
            text << "\r\n[ Contents of D:\\Music\\Folder " << number / kFilesPerFolder << "\\ ]\r\n";
        text << trigger << ' ' << MillionListFileName(number) << "     -  4.2 MB\r\n";
    }
    const std::string whole = text.str();
    std::ofstream(path, std::ios::binary).write(whole.data(), static_cast<std::streamsize>(whole.size()));
}

class MillionLineList {
public:
    MillionLineList() : platform_(scratch_.Path() + "/") {
        list_ = NewRecord<FileList>();
        list_->ListName.Set("Music");
        list_->ListTrigger.Set("@music");
        list_->TrueListName.Set("Music-20260307");
        list_->FileTrigger.Set("!music");
        list_->IncludeFileSize = 1;
        list_->IncludeFolderName = 1;
        platform_.State.FileLists.PushBack(list_);
        WriteNumberedList(Path(), "!music", kMillionFiles);
    }
    MillionLineList(const MillionLineList&) = delete;
    MillionLineList& operator=(const MillionLineList&) = delete;

    FakePlatform& Platform() { return platform_; }
    ModuleState& State() { return platform_.State; }
    FileList* List() const { return list_; }
    std::string Path() const { return scratch_.File("Music-20260307.txt"); }

    // The one list file of a run.
    static MillionLineList& Shared() {
        static MillionLineList list;
        return list;
    }

private:
    ScratchFolder scratch_;
    FakePlatform platform_;
    FileList* list_ = nullptr;
};

}  // namespace qvs
