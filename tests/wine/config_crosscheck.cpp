// Windows-side cross-check of the configuration files: a configuration that
// uses every stored field is saved through the platform's structured storage
// (OleStorage) and loaded through our compound-file code
// (CompoundFileStorage), then the reverse, and each time compared field by
// field with what was saved. Prints one line per difference and
// "N passed, M failed"; exits non-zero when anything failed.
//
// Usage: config_crosscheck [scratch-folder]   (default: the current folder)
#include <cstdio>
#include <string>

#include "check_tally.h"
#include "config_sample.h"
#include "intake/shutdown.h"
#include "persistence/advertisement_file.h"
#include "persistence/channel_file.h"
#include "persistence/compound/compound_storage.h"
#include "persistence/configuration.h"
#include "persistence/flood_file.h"
#include "persistence/list_file.h"
#include "persistence/random_file.h"
#include "persistence/user_file.h"
#include "ports/file_port.h"
#include "ports/panel_port.h"
#include "win32/ole_storage.h"

#include <windows.h>
#undef CreateFile
#undef DeleteFile
#undef ReplaceFile

namespace {

using qvs::ModuleState;

qvs::CheckTally tally;

void Check(bool ok, const std::string& what) { tally.Check(ok, what); }

// The file operations a save uses; the rest is not needed here.
class SaveFiles final : public qvs::FilePort {
public:
    bool FolderExists(const std::string&) override { return false; }
    bool CreateFolder(const std::string&) override { return false; }
    bool CreateEmptyFile(const std::string&) override { return false; }
    bool AppendToFile(const std::string&, const char*, std::size_t) override { return false; }
    bool WriteAt(const std::string&, uint64_t, const char*, std::size_t) { return false; }
    bool FileExists(const std::string& path) override {
        DWORD attributes = GetFileAttributesA(path.c_str());
        return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
    }
    int64_t FileSize(const std::string&) override { return -1; }
    bool DeleteFile(const std::string& path) override { return DeleteFileA(path.c_str()) != 0; }
    bool ReplaceFile(const std::string& from, const std::string& to) override {
        return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
    }
    bool MapFile(const std::string&, qvs::MappedFile&) override { return false; }
    void UnmapFile(qvs::MappedFile&) override {}
    bool IsLink(const std::string&) override { return true; }
    bool SearchTreeForFile(const std::string&, const std::string&, std::string&) override { return false; }
    bool ListFolder(const std::string&, std::vector<qvs::FolderItem>&) override { return false; }
};

class CountingPanel final : public qvs::NullPanel {
public:
    int ShowMessage(const char* text, uint32_t) override {
        std::printf("message box: %s\n", text);
        ++Messages;
        return qvs::kAnswerOk;
    }
    int Messages = 0;
};

// One module session on a configuration folder and a storage back end.
struct Session {
    ModuleState State;
    SaveFiles Files;
    CountingPanel Panel;

    Session(qvs::StoragePort& storage, const std::string& folder) {
        State.ConfigFolder = folder;
        State.Ports.Storage = &storage;
        State.Ports.Files = &Files;
        State.Ports.Panel = &Panel;
    }
    ~Session() { qvs::ReleaseAllRecords(State); }
};

struct SavedFile {
    const char* Name;
    bool (*Save)(ModuleState&);
};

const SavedFile kFiles[] = {
    {"Flood.dat", qvs::SaveNetworkSettings}, {"randomfile.dat", qvs::SaveRandomFiles},
    {"advertisement.dat", qvs::SaveAdvertisements}, {"list.dat", qvs::SaveFileLists},
    {"channel.dat", qvs::SaveChannelConfigs}, {"user.dat", qvs::SaveUserGroups},
};

void CrossCheck(qvs::StoragePort& writer, qvs::StoragePort& reader, const std::string& folder,
                const std::string& direction) {
    CreateDirectoryA(folder.c_str(), nullptr);
    Session saved(writer, folder);
    qvs::configsample::BuildFullConfiguration(saved.State);
    for (const SavedFile& file : kFiles) {
        Check(file.Save(saved.State), direction + ": " + file.Name + " saved");
        Check(saved.Files.FileExists(folder + file.Name), direction + ": " + file.Name + " in place");
        Check(!saved.Files.FileExists(folder + file.Name + ".new"), direction + ": no " + file.Name + ".new left");
    }

    Session loaded(reader, folder);
    qvs::LoadAllConfiguration(loaded.State);
    qvs::configsample::Comparison comparison;
    qvs::configsample::CompareConfiguration(saved.State, loaded.State, comparison);
    tally.Passed += static_cast<int>(comparison.Passed);
    for (const std::string& difference : comparison.Failures) Check(false, direction + ": " + difference);
    Check(saved.Panel.Messages + loaded.Panel.Messages == 0, direction + ": no message box");
}

}  // namespace

int main(int argc, char** argv) {
    std::string folder = argc > 1 ? std::string(argv[1]) + "\\" : std::string(".\\");
    qvs::OleStorage ole;
    qvs::CompoundFileStorage native;
    CrossCheck(ole, native, folder + "config_ole\\", "ole->native");
    CrossCheck(native, ole, folder + "config_native\\", "native->ole");
    return tally.Report();
}
