// pkzipc: the archiver that zips list files.
//   pkzipc -add "archive.zip" "file"
// Exit status 0 when the archive holds the file, otherwise 1 with a one-line
// reason on the error output.
#include <cstdio>
#include <cstring>
#include <string>

#include "same_file.h"
#include "zip_archive.h"

namespace {

constexpr int kFailure = 1;

bool IsAddSwitch(const char* text) {
    const char* expected = "-add";
    for (; *text && *expected; ++text, ++expected)
        if ((*text | 0x20) != *expected && *text != *expected) return false;
    return *text == '\0' && *expected == '\0';
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4 || !IsAddSwitch(argv[1]) || !*argv[2] || !*argv[3]) {
        std::fprintf(stderr, "pkzipc: usage: pkzipc -add \"archive.zip\" \"file\"\n");
        return kFailure;
    }
    // Creating the archive would empty the file before it is read.
    if (pkzipc::IsSameFile(argv[2], argv[3])) {
        std::fprintf(stderr, "pkzipc: the archive %s is the file to be added\n", argv[2]);
        return kFailure;
    }
    std::string reason;
    if (!pkzipc::WriteSingleFileArchive(argv[2], argv[3], reason)) {
        std::fprintf(stderr, "pkzipc: %s\n", reason.c_str());
        return kFailure;
    }
    return 0;
}
