// The configuration files as wholes: opening one for loading, and writing
// one so that the previous copy survives any failure on the way.
#pragma once
#include <string>

#include "model/module_state.h"
#include "persistence/storage_ref.h"

namespace qvs {

constexpr char kChannelFile[] = "channel.dat";
constexpr char kListFile[] = "list.dat";
constexpr char kAdvertisementFile[] = "advertisement.dat";
constexpr char kRandomFile[] = "randomfile.dat";
constexpr char kFloodFile[] = "Flood.dat";
constexpr char kUserFile[] = "user.dat";

// Suffix of the name a file is written under until it is complete.
constexpr char kPendingSuffix[] = ".new";

// A file of the configuration folder opened for loading; a null reference
// when it cannot be opened (missing, empty, not a compound file, locked).
StorageRef OpenConfigFile(ModuleState& state, const char* fileName);

// A configuration file being rewritten. The new tree goes to a file of its
// own beside the old one ("channel.dat.new"), which takes the old one's
// place only once it is complete: a crash, a kill or a full disk during a
// save leaves the user the previous configuration instead of a torn file.
class ReplacementFile {
public:
    ReplacementFile(ModuleState& state, const char* fileName);
    // Null when the new file cannot be created.
    const StorageRef& Root() const { return root_; }
    // Finishes the new file and puts it in place. On failure the new file is
    // removed, the old one stays, and failureText (when given) is shown with
    // the file's full path in place of %s. True when the file was replaced.
    bool Commit(const char* failureText);

private:
    ModuleState& state_;
    std::string path_;
    std::string pendingPath_;
    bool elementFailed_ = false;
    StorageRef root_;
};

// Rewrites one configuration file: write(root) fills the new tree.
template <typename Write>
bool SaveConfigFile(ModuleState& state, const char* fileName, const char* failureText, Write write) {
    ReplacementFile file(state, fileName);
    if (file.Root()) write(file.Root());
    return file.Commit(failureText);
}

}  // namespace qvs
