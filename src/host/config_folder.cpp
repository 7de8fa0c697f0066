#include "host/config_folder.h"

namespace qvs {

std::string ConfigFolderBeside(const std::string& modulePath) {
    std::size_t separator = modulePath.find_last_of('\\');
    std::string folder = separator == std::string::npos ? std::string() : modulePath.substr(0, separator + 1);
    return folder + "QVS";
}

void PrepareConfigFolder(ModuleState& state, const std::string& modulePath) {
    FilePort& files = *state.Ports.Files;
    std::string folder = ConfigFolderBeside(modulePath);
    bool firstLoad = !files.FolderExists(folder);
    if (firstLoad) files.CreateFolder(folder);
    folder += '\\';
    if (firstLoad) {
        files.CreateEmptyFile(folder + "Channel.dat");
        files.CreateEmptyFile(folder + "list.dat");
    }
    state.ConfigFolder = folder;
}

}  // namespace qvs
