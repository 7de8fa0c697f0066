#include "hostlink/config_folder.h"

#include "hostlink/command_log.h"
#include "model/paths.h"
#include "ports/file_port.h"

namespace qvs {

std::string ConfigFolderBeside(const std::string& modulePath) {
    return PathFolder(modulePath) + "QVS";
}

void SetConfigFolder(ModuleState& state, const std::string& folder) {
    state.ConfigFolder = folder;
    state.Link.LogPath = folder + kCommandLogName;
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
    SetConfigFolder(state, folder);
}

}  // namespace qvs
