#include "lists/list_file_path.h"

namespace qvs {

std::string ListFilePath(const ModuleState& state, const FileList* list) {
    return state.ConfigFolder + list->TrueListName.c_str() + (list->Zipped == 1 ? ".zip" : ".txt");
}

}  // namespace qvs
