// Steps about files below the module's folder (its configuration folder is
// "QVS" there).
#include "runner.h"
#include "step_words.h"

namespace hostsim {
namespace {

bool IsFile(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

Outcome Runner::ExpectFile(const Step& step) {
    std::string path = ModuleFile(step.Words[1]);
    return {IsFile(path), path};
}

Outcome Runner::ExpectNoFile(const Step& step) {
    std::string path = ModuleFile(step.Words[1]);
    return {!IsFile(path), path};
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
    std::size_t slash = to.find_last_of('\\');
    if (slash != std::string::npos) CreateDirectoryA(to.substr(0, slash).c_str(), nullptr);
    if (!CopyFileA(from.c_str(), to.c_str(), FALSE)) return {false, "cannot copy " + from + " to " + to};
    return {true, std::string()};
}

}  // namespace hostsim
