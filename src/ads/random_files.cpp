#include "ads/random_files.h"

#include <string>

#include "ads/ad_manager.h"
#include "model/memory.h"

namespace qvs {

const char kNoRandomNameMessage[] = "The name of the new file must be specified";
const char kNoRandomPathMessage[] =
    "You must select a file to be used as the source of random text by pressing [...] button";
const char kDuplicateRandomNameMessage[] = "Duplicate name. Please choose another name";

namespace {

bool IsListed(const ModuleState& state, const std::string& name) {
    for (const RandomTextFile* file = state.RandomFiles.Head; file; file = file->Next)
        if (file->Name.Equals(name.c_str())) return true;
    return false;
}

}  // namespace

EditAnswer<RandomTextFile> AddRandomTextFile(ModuleState& state, const char* name, const char* path) {
    std::string text = CutAdName(name);
    if (text.empty()) return {nullptr, kNoRandomNameMessage};
    if (!path || !*path) return {nullptr, kNoRandomPathMessage};
    if (IsListed(state, text)) return {nullptr, kDuplicateRandomNameMessage};
    RandomTextFile* file = NewRecord<RandomTextFile>();
    if (!file) return {};
    file->Name.Set(text.c_str());
    file->FullPathname.Set(path);
    if (file->Name.IsNone() || file->FullPathname.IsNone()) {
        DeleteRecord(file);
        return {};
    }
    state.RandomFiles.PushBack(file);
    return {file, nullptr};
}

void RemoveRandomTextFile(ModuleState& state, RandomTextFile* file) {
    state.RandomFiles.Unlink(file);
    DeleteRecord(file);
}

}  // namespace qvs
