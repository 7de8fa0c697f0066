#include "hostlink/config_folder.h"

#include "model/paths.h"

namespace qvs {

std::string ConfigFolderBeside(const std::string& modulePath) {
    return PathFolder(modulePath) + "QVS";
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
