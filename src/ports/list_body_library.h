// The eight calls the list generator makes to the library that writes the
// body of a list file. The generator talks to it exactly as it would to an
// outside library: settings first, then CreateList, then GetCombinedSize.
#pragma once
#include <cstddef>
#include <cstdint>

namespace qvs {

// The buffer CreateList receives: the body's path in, the count text out.
constexpr std::size_t kCreateListBufferSize = 1024;

class ListBodyLibrary {
public:
    virtual ~ListBodyLibrary() = default;
    // Every listed file's line begins with this trigger and one blank.
    virtual void SetTrigger(const char* data) = 0;
    // "1" lists each file's size after its name; anything else does not.
    virtual void SetShowSize(const char* data) = 0;
    // "1" puts a folder heading line before each folder's files.
    virtual void SetShowDir(const char* data) = 0;
    virtual void ResetExtension() = 0;
    // Files with this extension are left out of the coming lists.
    virtual void SetExtension(const char* extension) = 0;
    // A folder for the next CreateList, scanned with all its subfolders.
    virtual void SetFolder(const char* data) = 0;
    // data: kCreateListBufferSize bytes holding the path the body is written
    // to; on return the number of files listed, as decimal text. The folders
    // are used up: the next list names its own.
    virtual void CreateList(char* data) = 0;
    // The combined size in bytes of the files the last CreateList listed.
    virtual void GetCombinedSize(uint64_t* size) = 0;
};

}  // namespace qvs
