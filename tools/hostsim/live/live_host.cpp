#include "live/live_host.h"

#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace hostsim::live {
namespace {

constexpr DWORD kPanelDeadlineMs = 20000;
constexpr DWORD kListDeadlineMs = 120000;
constexpr DWORD kIdleWaitMs = 10;
constexpr DWORD kBusyWaitMs = 1;
constexpr std::size_t kFirstOption = 8;
constexpr char kListDone[] = "/QVSListDone ";
constexpr char kEvaluatedNote[] = "host evaluated";

bool ReadFlag(const std::string& flag, int& i, int argc, char** argv, LiveOptions& options) {
    if (flag == "--close-finished") return options.CloseFinished = true;
    if (flag == "--verbose") return options.Verbose = true;
    if (flag == "--quiet") return options.Quiet = true;
    if (flag != "--listgen" || i + 1 >= argc) return false;
    options.ListGens.push_back(argv[++i]);
    return true;
}

}  // namespace

bool ParseLiveOptions(int argc, char** argv, LiveOptions& options, std::string& error) {
    if (argc < static_cast<int>(kFirstOption)) {
        error = "usage: hostsim <qvs.dll> live <qvsrelay.dll> <server> <port> <nick> <#channel>[,...] "
                "[--listgen <list>]... [--close-finished] [--verbose | --quiet]";
        return false;
    }
    options.Module = argv[1];
    options.Relay = argv[3];
    options.Server = argv[4];
    options.Port = static_cast<uint16_t>(std::strtoul(argv[5], nullptr, 10));
    options.Nick = argv[6];
    options.Channels = SplitAtCommas(argv[7]);
    for (int i = static_cast<int>(kFirstOption); i < argc; ++i)
        if (!ReadFlag(argv[i], i, argc, argv, options)) {
            error = std::string("unknown option ") + argv[i];
            return false;
        }
    return true;
}

int RunLive(int argc, char** argv) {
    LiveOptions options;
    std::string error;
    if (!ParseLiveOptions(argc, argv, options, error)) {
        std::fprintf(stderr, "hostsim: %s\n", error.c_str());
        return 2;
    }
    return LiveHost(options).Run();
}

int LiveHost::Run() {
    WinsockSession winsock;
    static ControlInput control;  // its reader may outlive this call
    control_ = &control;
    std::string error;
    if (!winsock.Ready() || !Start(error)) {
        Note("live host cannot start: " + (winsock.Ready() ? error : std::string("no Winsock")));
        return 1;
    }
    Loop();
    Stop();
    return 0;
}

// As the companion script starts the module: InitDLL, then nothing is
// posted until the relay finds the panel.
bool LiveHost::Start(std::string& error) {
    if (!window_.Create(error) || !module_.Load(options_.Module, window_.Handle(), error)) return false;
    window_.Run = [this](const std::string& command) { Execute(command); };
    window_.Answer = [this](const std::string& identifier, std::string& value) { return Answer(identifier, value); };
    window_.Report = [this](const std::string& line) {
        bool evaluation = line.compare(0, sizeof kEvaluatedNote - 1, kEvaluatedNote) == 0;
        if (!options_.Quiet && (options_.Verbose || !evaluation)) Note(line);
    };
    if (!relay_.Load(options_.Relay, RelayHost::New, window_.Handle(), error)) return false;
    module_.InitDLL(window_.Handle());
    if (!PumpUntil([this] { return relay_.Call("Ready", std::string()); }, kPanelDeadlineMs)) {
        error = "the relay never found the panel";
        return false;
    }
    if (!GenerateLists(error)) return false;
    if (!irc_.Open(options_.Server, options_.Port)) {
        error = "cannot connect to " + options_.Server + ":" + std::to_string(options_.Port);
        return false;
    }
    irc_.Write("NICK " + options_.Nick);
    irc_.Write("USER qvs 0 * :QVS live host");
    return true;
}

bool LiveHost::GenerateLists(std::string& error) {
    for (const std::string& list : options_.ListGens) {
        std::size_t seen = window_.Executed.size();
        module_.ListGen(window_.Handle(), list);
        bool done = PumpUntil([&] {
            for (std::size_t i = seen; i < window_.Executed.size(); ++i)
                if (window_.Executed[i].compare(0, sizeof kListDone - 1, kListDone) == 0) return true;
            return false;
        }, kListDeadlineMs);
        if (!done) {
            error = "the list " + list + " was never made";
            return false;
        }
    }
    return true;
}

void LiveHost::Loop() {
    while (!quit_) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        std::vector<std::string> lines;
        if (irc_.Connected() && !irc_.Pump(lines)) Disconnected("the server closed the connection");
        for (const std::string& line : lines) OnLine(line);
        PollSends();
        for (std::string line; control_->Next(line);) OnControl(line);
        window_.Executed.clear();  // the transcript keeps them; memory must not
        window_.Evaluated.clear();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, sends_.AnyActive() ? kBusyWaitMs : kIdleWaitMs, QS_ALLINPUT);
    }
}

// As the host exits: the module is told, then unloaded.
void LiveHost::Stop() {
    if (irc_.Connected()) {
        irc_.Write("QUIT :bye");
        std::vector<std::string> ignored;
        irc_.Pump(ignored);
    }
    Relay("ClosePanel", std::string());
    module_.UnloadDll(2);
    module_.Free();
    Note("live host stopped");
}

void LiveHost::Note(const std::string& line) const {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

uint64_t LiveHost::Now() const { return GetTickCount64(); }

void LiveHost::OnControl(const std::string& line) {
    std::size_t space = line.find(' ');
    std::string verb = line.substr(0, space);
    std::string rest = space == std::string::npos ? std::string() : line.substr(space + 1);
    Note("control: " + line);
    if (verb == "quit") quit_ = true;
    else if (verb == "part") irc_.Write("PART " + rest);
    else if (verb == "join") irc_.Write("JOIN " + rest);
    else if (verb == "nick") irc_.Write("NICK " + rest);
    else if (verb == "raw") irc_.Write(rest);
    else if (verb == "memory") NoteMemory();
}

void LiveHost::NoteMemory() const {
    // The committed bytes: Wine leaves the private-bytes counter at 0.
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    Note("memory: committed " + std::to_string(counters.PagefileUsage) + " working " +
         std::to_string(counters.WorkingSetSize) + " relayed " + std::to_string(relayCalls_) + " commands " +
         std::to_string(commands_) + " lines-out " + std::to_string(irc_.LinesWritten()) + " windows " +
         std::to_string(sends_.Count()));
}

}  // namespace hostsim::live
