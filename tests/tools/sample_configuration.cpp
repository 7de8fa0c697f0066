// Writes the fixture sets of the Wine scenarios and of the demo: the
// configuration files, saved by the module's own save code, the list files
// that requests are looked up in, and the files the lists serve.
//
// Usage: sample_configuration FIXTURES SERVED
//   FIXTURES/served/  channel.dat: one channel, #files, as the user adds it.
//   FIXTURES/files/   channel.dat, list.dat and the list files of a module
//                     that serves files from C:\qvs-served\ (see below).
//   FIXTURES/answers/ the files set with advertisement.dat: Files has a
//                     description and five files, and #files shows the
//                     advertisement Welcome once a second after serving
//                     starts and, by notice, to a nick who types !ads.
//   FIXTURES/lists/   the files set with Files regenerated automatically
//                     and a header naming its trigger and file count.
//   FIXTURES/live/    the channel #files serving the list Files of C:\qvs-e2e\,
//                     made afresh when the live host starts (tests/e2e):
//                     regular sends limited to 20,000 KB/s and resent twice.
//   SERVED/           the served files: the folder that Wine shows as
//                     C:\qvs-served\ (scripts/fixtures.sh passes it).
//
// The channels of "files", in channel.dat order:
//   #files    lists Files (both windows) and Private (query window only);
//             Verbose on, small files up to 1,024 bytes, failed regular
//             sends resent at once twice, failed small-file sends requeued
//             once.
//   #closed   list Files, but not serving.
//   #limited  list Files, one waiting request per nick and queue.
// Files ("!files", "@files") shows sizes and its folder; Private
// ("!private") shows neither, so its files are found by the folder search.
#include <sys/stat.h>

#include <cstdio>
#include <string>
#include <vector>

#include "fake/fake_platform.h"
#include "fixture_files.h"
#include "fixture_records.h"
#include "model/channel_config.h"
#include "persistence/configuration.h"

namespace qvs::fixtures {
namespace {

constexpr char kServedFolder[] = "C:\\qvs-served\\";

const std::vector<ServedFile> kListedFiles = {
    {"small.txt", 100, "", true},     {"movie.avi", 50000, "", true}, {"song.mp3", 30000, "", true},
    {"clip.mpg", 40000, "", true},    {"gone.avi", 70000, "", false},
};
const std::vector<ServedFile> kPrivateFiles = {{"secret.txt", 200, "private", true}};

const ListSettings kFilesList{"Files", "Files-20260307", "!files", "@files", 1, 1, kServedFolder};
const ListSettings kPrivateList{"Private", "Private-20260307", "!private", nullptr, 0, 0, kServedFolder};

// Saves the configuration into a new folder; false when anything failed.
template <typename Build>
bool WriteSet(const std::string& folder, Build build) {
    mkdir(folder.c_str(), 0755);
    FakePlatform platform(folder + "/");
    if (!build(platform.State, folder)) return false;
    SaveAllConfiguration(platform.State);
    return platform.Panel.Messages.empty();
}

bool BuildServedSet(ModuleState& state, const std::string&) {
    return NewChannelConfig(state, "#files") != nullptr;
}

void ConfigureFilesChannel(ChannelConfig* config, FileList* files, FileList* privateList) {
    config->Verbose = 1;
    config->SQueueSize = 1024;
    config->RegularQueueResend = ResendRule{1, 0, 0, 2};
    config->SQueueResend = ResendRule{1, 0, 1, 1};
    SelectFileList(*config, *files)->AccessMode = kBothWindows;
    SelectFileList(*config, *privateList)->AccessMode = kQueryWindowOnly;
}

// New channels go to the head of the list: the last added is stored first.
bool BuildFilesSet(ModuleState& state, const std::string& folder) {
    FileList* files = AddFileList(state, kFilesList);
    FileList* privateList = AddFileList(state, kPrivateList);
    ChannelConfig* limited = NewChannelConfig(state, "#limited");
    limited->LimitQueueSize = 1;
    limited->QueueSize = 1;
    SelectFileList(*limited, *files)->AccessMode = kBothWindows;
    ChannelConfig* closed = NewChannelConfig(state, "#closed");
    closed->Serve = 0;
    SelectFileList(*closed, *files)->AccessMode = kBothWindows;
    ConfigureFilesChannel(NewChannelConfig(state, "#files"), files, privateList);
    return WriteListFile(folder, files, kListedFiles) && WriteListFile(folder, privateList, kPrivateFiles);
}

constexpr char kWelcomeText[] =
    "\x02[QVS]\x02 Hello $UserNick.Nick$, type $Files.Trigger$ for the list of $Files.FileCount$ files";

bool BuildAnswersSet(ModuleState& state, const std::string& folder) {
    if (!BuildFilesSet(state, folder)) return false;
    FileList* files = state.FileLists.Head;
    files->Description.Set("Sample files");
    files->ListHeader.Set("");  // a list made afresh is the body alone
    files->NumberOfFiles = static_cast<uint32_t>(kListedFiles.size());
    AdGroup* welcome = AddAdGroup(state, "Welcome", kWelcomeText, 1);
    SelectAdGroup(state.ChannelConfigs.Head, welcome, AdDisplay{3, 1, 0, "!ads"});  // #files, added last
    return true;
}

constexpr char kListsHeader[] = "QVS list of $FileTrigger$: $FileCount$ files\r\n";

bool BuildListsSet(ModuleState& state, const std::string& folder) {
    if (!BuildFilesSet(state, folder)) return false;
    FileList* files = state.FileLists.Head;
    files->AutoGen = 1;
    files->ListHeader.Set(kListsHeader);
    return true;
}

constexpr char kLiveFolder[] = "C:\\qvs-e2e\\";
const ListSettings kLiveList{"Files", "Files", "!files", "@files", 1, 0, kLiveFolder};
constexpr uint32_t kLiveSpeedLimit = 20000;  // KB/s: a 50 MB file takes over 2.5 seconds

bool BuildLiveSet(ModuleState& state, const std::string&) {
    FileList* files = AddFileList(state, kLiveList);
    ChannelConfig* config = NewChannelConfig(state, "#files");
    config->SQueueSize = 1024;
    config->RegularQueueResend = ResendRule{1, 0, 0, 2};
    config->UseSpeedLimit = 1;
    config->SendSpeedLimit = kLiveSpeedLimit;
    SelectFileList(*config, *files)->AccessMode = kBothWindows;
    return true;
}

// Zipped, with no archiver beside the module: every generation fails to zip.
bool BuildZippedSet(ModuleState& state, const std::string& folder) {
    if (!BuildFilesSet(state, folder)) return false;
    state.FileLists.Head->Zipped = 1;
    return true;
}

int WriteAll(const std::string& fixtures, const std::string& served) {
    mkdir(fixtures.c_str(), 0755);
    mkdir(served.c_str(), 0755);
    bool written = WriteSet(fixtures + "/served", BuildServedSet) && WriteSet(fixtures + "/files", BuildFilesSet) &&
                   WriteSet(fixtures + "/answers", BuildAnswersSet) && WriteSet(fixtures + "/lists", BuildListsSet) &&
                   WriteSet(fixtures + "/live", BuildLiveSet) && WriteSet(fixtures + "/zipped", BuildZippedSet) &&
                   WriteServedFiles(served, kListedFiles) && WriteServedFiles(served, kPrivateFiles);
    if (!written) std::fprintf(stderr, "sample_configuration: could not write every fixture\n");
    return written ? 0 : 1;
}

}  // namespace
}  // namespace qvs::fixtures

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: sample_configuration FIXTURES SERVED\n");
        return 2;
    }
    return qvs::fixtures::WriteAll(argv[1], argv[2]);
}
