#include "fixture_files.h"

#include <sys/stat.h>

#include <cstdio>
#include <fstream>

#include "stats/number_texts.h"

namespace qvs::fixtures {
namespace {

bool WriteWhole(const std::string& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << bytes;
    return static_cast<bool>(file.flush());
}

// One file line: the trigger, one blank and the name, then, when sizes are
// shown, the size column after "     -".
std::string ListLine(const FileList* list, const ServedFile& file) {
    std::string line = std::string(list->FileTrigger.c_str()) + " " + file.Name;
    if (list->IncludeFileSize == 1) line += "     -  " + FormatSize(file.Bytes);
    return line + "\r\n";
}

bool HasSize(const std::string& path, std::size_t bytes) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && static_cast<std::size_t>(info.st_size) == bytes;
}

}  // namespace

bool WriteListFile(const std::string& configFolder, const FileList* list, const std::vector<ServedFile>& files) {
    std::string body = std::string("Files of the list ") + list->ListName.c_str() + "\r\n\r\n";
    if (list->IncludeFolderName == 1)
        body += std::string("[ Contents of ") + list->CreationFolder.Head->Value.c_str() + " ]\r\n";
    for (const ServedFile& file : files) body += ListLine(list, file);
    return WriteWhole(configFolder + "/" + list->TrueListName.c_str() + ".txt", body);
}

// The served folder is shared by every run on the machine: a file already
// there is left alone, so a run that is reading it never sees it rewritten;
// a listed file that must be missing is taken away.
bool WriteServedFiles(const std::string& servedFolder, const std::vector<ServedFile>& files) {
    for (const ServedFile& file : files) {
        std::string folder = servedFolder + "/" + file.SubFolder;
        std::string path = folder + "/" + file.Name;
        if (!file.OnDisk) {
            std::remove(path.c_str());
            continue;
        }
        mkdir(folder.c_str(), 0755);
        if (!HasSize(path, file.Bytes) && !WriteWhole(path, std::string(file.Bytes, 'q'))) return false;
    }
    return true;
}

}  // namespace qvs::fixtures
