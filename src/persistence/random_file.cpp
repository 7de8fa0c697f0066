#include "persistence/random_file.h"

#include "model/memory.h"
#include "persistence/config_file.h"
#include "persistence/numbered_elements.h"

namespace qvs {
namespace {

constexpr char kRandomCountKey[] = "RandomCount";

template <typename Keys, typename Record>
void RandomFileKeys(const Keys& keys, Record& file) {
    keys.String("Name", file.Name, StringForm::Terminated);
    keys.String("Full pathname", file.FullPathname, StringForm::Terminated);
}

}  // namespace

bool SaveRandomFiles(ModuleState& state) {
    return SaveConfigFile(state, kRandomFile, nullptr, [&](const StorageRef& root) {
        WriteNumberedStorages(root, kFromOne, state.RandomFiles, [](const StorageRef& child, const RandomTextFile& file) {
            RandomFileKeys(KeyWriter(child), file);
        });
        WriteDword(root, kRandomCountKey, state.RandomFiles.Count);
    });
}

// Read in rising order and appended, as Flood.dat.
void LoadRandomFiles(ModuleState& state) {
    state.RandomFiles.ReleaseAll(DeleteRecord<RandomTextFile>);
    StorageRef root = OpenConfigFile(state, kRandomFile);
    ReadNumberedRecords(root, kFromOne, ReadCount(root, kRandomCountKey), state.RandomFiles,
                        [](const StorageRef& child, RandomTextFile& file) { RandomFileKeys(KeyReader(child), file); });
}

}  // namespace qvs
