// Steps about files below the module's folder (its configuration folder is
// "QVS" there).
#include <fstream>
#include <iterator>

#include "runner.h"
#include "step_words.h"
#include "stored_number.h"

namespace hostsim {
namespace {

bool IsFile(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool IsFolder(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool ReadWhole(const std::string& path, std::string& bytes) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return false;
    bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    return !file.bad();
}

// Every file directly in the folder, copied into the folder to.
Outcome CopyFolderFiles(const std::string& from, const std::string& to) {
    CreateDirectoryA(to.c_str(), nullptr);
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((from + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return {false, "cannot list " + from};
    int copied = 0;
    bool ok = true;
    do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        std::string name = found.cFileName;
        ok = ok && CopyFileA((from + "\\" + name).c_str(), (to + "\\" + name).c_str(), FALSE);
        ++copied;
    } while (ok && FindNextFileA(search, &found));
    FindClose(search);
    if (!ok) return {false, "cannot copy every file of " + from + " to " + to};
    return {true, std::to_string(copied) + " file(s) copied"};
}

}  // namespace

Outcome Runner::ExpectFile(const Step& step) {
    std::string path = ModuleFile(step.Words[1]);
    return {IsFile(path), path};
}

// A "*" in the name stands for any dated list file.
Outcome Runner::ExpectNoFile(const Step& step) {
    std::string path = ModuleFile(step.Words[1]);
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(path.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return {true, path};
    FindClose(search);
    return {false, path + " finds " + found.cFileName};
}

Outcome Runner::ExpectFileSize(const Step& step) {
    uint32_t want = 0;
    if (!ParseUnsigned(step.Words[2], want)) return {false, "usage: expect-file-size <path> <bytes>"};
    WIN32_FILE_ATTRIBUTE_DATA data;
    std::string path = ModuleFile(step.Words[1]);
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return {false, "no file " + path};
    bool same = data.nFileSizeHigh == 0 && data.nFileSizeLow == want;
    return {same, path + " has " + std::to_string(data.nFileSizeLow) + " byte(s)"};
}

Outcome Runner::CopyIntoModuleFolder(const Step& step) {
    std::string from = scenarioFolder_ + step.Words[1];
    std::string to = ModuleFile(step.Words[2]);
    if (IsFolder(from)) return CopyFolderFiles(from, to);
    std::size_t slash = to.find_last_of('\\');
    if (slash != std::string::npos) CreateDirectoryA(to.substr(0, slash).c_str(), nullptr);
    if (!CopyFileA(from.c_str(), to.c_str(), FALSE)) return {false, "cannot copy " + from + " to " + to};
    return {true, std::string()};
}

Outcome Runner::ExpectFileText(const Step& step) {
    std::string path = ModuleFile(step.Words[1]);
    std::string text;
    if (!ReadWhole(path, text)) return {false, "no file " + path};
    return {text == step.Rest(2), step.Words[1] + " holds \"" + text + "\""};
}

// For files whose names the module dates: the first file that the name
// pattern finds, its text matched with stars.
Outcome Runner::ExpectFileLike(const Step& step) {
    std::string pattern = ModuleFile(step.Words[1]);
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return {false, "no file " + pattern};
    FindClose(search);
    std::string path = pattern.substr(0, pattern.find_last_of('\\') + 1) + found.cFileName;
    std::string text;
    if (!ReadWhole(path, text)) return {false, "cannot read " + path};
    return {Matches(text, step.Rest(2)), std::string(found.cFileName) + " holds \"" + text + "\""};
}

Outcome Runner::ExpectStored(const Step& step) {
    uint32_t want = 0;
    if (!ParseUnsigned(step.Words[3], want)) return {false, "usage: expect-stored <file> <storage path> <value>"};
    std::string path = ModuleFile(step.Words[1]);
    std::string bytes;
    if (!ReadWhole(path, bytes)) return {false, "no file " + path};
    uint64_t value = 0;
    std::string error;
    if (!ReadStoredNumber(std::vector<uint8_t>(bytes.begin(), bytes.end()), step.Words[2], value, error))
        return {false, step.Words[2] + ": " + error};
    return {value == want, step.Words[2] + " is " + std::to_string(value)};
}

// A stored text, without the terminator it is saved with.
Outcome Runner::ExpectStoredText(const Step& step) {
    std::string file;
    if (!ReadWhole(ModuleFile(step.Words[1]), file)) return {false, "no file " + step.Words[1]};
    std::string text, error;
    if (!ReadStoredStream(std::vector<uint8_t>(file.begin(), file.end()), step.Words[2], text, error))
        return {false, step.Words[2] + ": " + error};
    if (!text.empty() && text.back() == '\0') text.pop_back();
    return {text == step.Rest(3), step.Words[2] + " is \"" + text + "\""};
}

}  // namespace hostsim
