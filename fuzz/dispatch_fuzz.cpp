// libFuzzer target for trigger dispatch: lines of channel and private text
// with fuzzed channel, nick and message go through the server-event intake
// into DispatchTrigger, admission and the scheduler (sends start at once),
// flood control and send supervision, on the fake host. The oracle reads
// every command and identifier the host was handed: user text must never
// split a command, start a second line or be evaluated.
//
// Input: one settings byte, then records of three NUL-terminated fields
// (channel text, nick, message); a channel text starting with '0' is a
// private message, as the event relay sends it.
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "fake/fake_platform.h"
#include "intake/server_events.h"
#include "model/channel_config.h"
#include "model/memory.h"
#include "sending/supervision.h"

namespace {

using namespace qvs;

enum Setting : uint8_t {
    kOnSecondConnection = 1,
    kUndernet = 2,
    kFloodPaced = 4,
    kOwnNickUnknown = 8,
    kNotServing = 16,
    kVirtualList = 32,
    kOwnNickHasStatus = 64,
    kRequesterIsOp = 128,
};

constexpr std::size_t kMaxLines = 8;
constexpr uint64_t kFloodDrainMs = 60000;
// Served in both channels; "|" is a channel name no command may carry.
const char* const kChannels[] = {"#files", "|"};
const char* const kServedNames[] = {"film.avi", "a b.txt", "$me.txt", "50% off.txt"};

std::string& Folder() {
    static std::string folder;
    return folder;
}

void Fail(const char* what, const std::string& command) {
    std::fprintf(stderr, "dispatch_fuzz: %s in: ", what);
    for (unsigned char c : command) std::fprintf(stderr, c < 32 || c > 126 ? "\\x%02x" : "%c", c);
    std::fprintf(stderr, "\n");
    std::abort();
}

// The host reads a command as words; the bold code 2 is how defused text
// keeps a word from starting with a character the host acts on, so it does
// not end a word here.
bool EndsWord(unsigned char c) { return c <= ' ' && c != 2; }

void CheckCommand(const std::string& command) {
    if (command.find_first_of("\r\n") != std::string::npos) Fail("line break", command);
    bool wordStart = true;
    for (std::size_t i = 0; i < command.size(); ++i) {
        unsigned char c = command[i];
        bool lone = i + 1 == command.size() || EndsWord(command[i + 1]);
        if (wordStart && c == '|' && lone) Fail("lone '|' word", command);
        if (wordStart && (c == '$' || c == '%')) Fail("word the host would evaluate", command);
        wordStart = EndsWord(c);
    }
}

// The text between an identifier's first '(' and its last ')'.
std::string ArgumentsOf(const std::string& identifier) {
    std::size_t open = identifier.find('(');
    if (open == std::string::npos) return std::string();
    std::size_t close = identifier.rfind(')');
    return identifier.substr(open + 1, close == std::string::npos ? std::string::npos : close - open - 1);
}

std::string Trimmed(std::string text) {
    text.erase(text.find_last_not_of(' ') + 1);
    text.erase(0, text.find_first_not_of(' '));
    return text;
}

// Identifiers are the module's own; their arguments (nicks, channels,
// numbers) must not carry a line, a lone '|' or anything evaluated.
void CheckIdentifier(const std::string& identifier) {
    if (identifier.find_first_of("\r\n") != std::string::npos) Fail("line break", identifier);
    std::string arguments = ArgumentsOf(identifier);
    if (arguments.find_first_of("$%()") != std::string::npos) Fail("argument the host would evaluate", identifier);
    for (std::size_t start = 0, comma = 0; start <= arguments.size(); start = comma + 1) {
        comma = std::min(arguments.find(',', start), arguments.size());
        if (Trimmed(arguments.substr(start, comma - start)) == "|") Fail("lone '|' argument", identifier);
    }
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream(PosixFiles::Native(path), std::ios::binary | std::ios::trunc) << bytes;
}

void RemoveServedFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(Folder(), ignored);
}

// Once per process: the served files and the list file naming them.
void MakeServedFolder() {
    char pattern[] = "/tmp/qvs-dispatch-fuzz-XXXXXX";
    if (!mkdtemp(pattern)) std::abort();
    Folder() = pattern;
    std::atexit(RemoveServedFolder);
    std::string served = Folder() + "\\served\\";
    PosixFiles files;
    files.CreateFolder(served);
    std::string body = "Header line\r\n\r\n[ Contents of " + served + " ]\r\n";
    for (const char* name : kServedNames) {
        WriteFile(served + name, std::string(100, 'x'));
        body += std::string("!get ") + name + "     -  100 B\r\n";
    }
    WriteFile(Folder() + "\\Movies-20260307.txt", body);
}

FileList* AddList(ModuleState& state) {
    FileList* list = NewRecord<FileList>();
    list->ListName.Set("Movies");
    list->TrueListName.Set("Movies-20260307");
    list->FileTrigger.Set("!get");
    list->ListTrigger.Set("@movies");
    list->IncludeFileSize = 1;
    list->IncludeFolderName = 1;
    AppendName(list->CreationFolder, (Folder() + "\\served\\").c_str());
    state.FileLists.PushBack(list);
    return list;
}

void Configure(FakePlatform& platform, uint8_t settings) {
    ModuleState& state = platform.State;
    state.Hold = HoldMode::UnholdAll;
    FileList* list = AddList(state);
    for (const char* name : kChannels) {
        ChannelConfig* config = NewChannelConfig(state, name);
        config->RestoreSavedQueue = 0;
        config->Serve = settings & kNotServing ? 0 : 1;
        config->VirtualList = settings & kVirtualList ? 1 : 0;
        config->NiceToOp = 1;
        SelectFileList(*config, *list);
    }
    if (settings & kFloodPaced) {
        NetworkSettings* network = NewRecord<NetworkSettings>();
        network->NetworkName.Set(settings & kUndernet ? "Undernet" : "EFnet");
        network->UseExcessFlood = 1;
        network->ExcessFloodInterval = 2;
        state.Networks.PushBack(network);
    }
}

void AnswerLikeAHost(FakeHost& host, uint8_t settings) {
    const char* network = settings & kUndernet ? "Undernet" : "EFnet";
    host.Answer("$network", network);
    host.Answer("$scid(3).network", network);
    if (!(settings & kOwnNickUnknown)) {
        host.Answer("$me", "Server");
        host.Answer("$scid(3).$me", "Server");
    }
    host.Resolver = [settings](const std::string& identifier, std::string& value) {
        if (identifier.rfind("$GetComChan(", 0) == 0) {
            value = "1";
            return true;
        }
        bool aboutUs = identifier.find(",Server)") != std::string::npos;
        bool status = aboutUs ? (settings & kOwnNickHasStatus) != 0 : (settings & kRequesterIsOp) != 0;
        if (identifier.rfind("$GetOpStatus(", 0) == 0 || identifier.rfind("$GetVoiceStatus(", 0) == 0) {
            value = status ? "@" : "";
            return true;
        }
        return false;
    };
}

void Say(FakePlatform& platform, uint32_t connectionId, const std::string& channel, const std::string& nick,
         const std::string& message) {
    FakeEventMemory& memory = platform.EventMemory;
    auto* event = memory.Record<TextEvent>();
    event->ConnectionId = connectionId;
    event->ChannelText = memory.Text(channel);
    event->Nick = memory.Text(nick);
    event->Message = memory.Text(message);
    HandleServerEvent(platform.State, kEventText, 0, reinterpret_cast<uintptr_t>(event));
}

// Splits the records; a field cut short by the end of the input still counts.
std::vector<std::string> Fields(const uint8_t* data, std::size_t size) {
    std::vector<std::string> fields(1);
    for (std::size_t i = 0; i < size && fields.size() <= 3 * kMaxLines; ++i) {
        if (data[i] == 0)
            fields.emplace_back();
        else
            fields.back() += static_cast<char>(data[i]);
    }
    return fields;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    MakeServedFolder();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    uint8_t settings = data[0];
    uint32_t connectionId = settings & kOnSecondConnection ? 3 : 0;
    FakePlatform platform(Folder() + "/");
    Configure(platform, settings);
    AnswerLikeAHost(platform.Host, settings);
    HandleServerEvent(platform.State, kEventConnect, connectionId, 0);

    std::vector<std::string> fields = Fields(data + 1, size - 1);
    for (std::size_t i = 0; i + 2 < fields.size(); i += 3) Say(platform, connectionId, fields[i], fields[i + 1], fields[i + 2]);
    SuperviseSends(platform.State);
    platform.Time.Advance(kFloodDrainMs);

    for (const std::string& command : platform.Host.Executed) CheckCommand(command);
    for (const std::string& command : platform.Host.Posted) CheckCommand(command);
    for (const std::string& identifier : platform.Host.Evaluated) CheckIdentifier(identifier);
    return 0;
}
