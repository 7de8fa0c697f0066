#include "fixture_files.h"

#include <sys/stat.h>

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

}  // namespace

bool WriteListFile(const std::string& configFolder, const FileList* list, const std::vector<ServedFile>& files) {
    std::string body = std::string("Files of the list ") + list->ListName.c_str() + "\r\n\r\n";
    if (list->IncludeFolderName == 1)
        body += std::string("[ Contents of ") + list->CreationFolder.Head->Value.c_str() + " ]\r\n";
    for (const ServedFile& file : files) body += ListLine(list, file);
    return WriteWhole(configFolder + "/" + list->TrueListName.c_str() + ".txt", body);
}

bool WriteServedFiles(const std::string& servedFolder, const std::vector<ServedFile>& files) {
    for (const ServedFile& file : files) {
        if (!file.OnDisk) continue;
        std::string folder = servedFolder + "/" + file.SubFolder;
        mkdir(folder.c_str(), 0755);
        if (!WriteWhole(folder + "/" + file.Name, std::string(file.Bytes, 'q'))) return false;
    }
    return true;
}

}  // namespace qvs::fixtures
