#include "lists/list_file_path.h"

#include "ports/file_port.h"

namespace qvs {

// A zipped list whose archive was never made (no archiver beside the
// module, or it failed) is served as its text rather than as a file that
// is not there.
std::string ListFilePath(const ModuleState& state, const FileList* list) {
    std::string base = state.ConfigFolder + list->TrueListName.c_str();
    FilePort& files = *state.Ports.Files;
    bool zip = list->Zipped == 1 && (files.FileSize(base + ".zip") >= 0 || files.FileSize(base + ".txt") < 0);
    return base + (zip ? ".zip" : ".txt");
}

}  // namespace qvs
