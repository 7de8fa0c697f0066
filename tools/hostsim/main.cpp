// hostsim: plays the host for the module, driven by a scenario file.
//   hostsim.exe <module.dll> <scenario.scn> [<relay.dll> old|new]
// With a relay, every event goes through that relay DLL as a host of before
// 6.32 (old) or of 7.64 (new) calls it. Prints a transcript and
// "N passed, M failed"; exits 1 when anything failed.
//   hostsim.exe <module.dll> live <relay.dll> <server> <port> <nick> <#channel> ...
// plays the host on a real IRC server instead (live/live_host.h).
#include <cstdio>
#include <cstring>

#include "live/live_host.h"
#include "runner.h"

int main(int argc, char** argv) {
    if (argc >= 3 && !std::strcmp(argv[2], "live")) return hostsim::live::RunLive(argc, argv);
    bool relayed = argc == 5 && (!std::strcmp(argv[4], "old") || !std::strcmp(argv[4], "new"));
    if (argc != 3 && !relayed) {
        std::fprintf(stderr, "usage: hostsim <module.dll> <scenario.scn> [<relay.dll> old|new]\n");
        return 2;
    }
    std::vector<hostsim::Step> steps;
    std::string error;
    if (!hostsim::ReadScenario(argv[2], steps, error)) {
        std::fprintf(stderr, "hostsim: %s\n", error.c_str());
        return 2;
    }
    std::printf("== %s with %s%s%s\n", argv[2], argv[1], relayed ? " through the relay, host " : "",
                relayed ? argv[4] : "");
    hostsim::Runner runner(argv[1], argv[2]);
    if (relayed) runner.UseRelay(argv[3], std::strcmp(argv[4], "old") ? hostsim::RelayHost::New : hostsim::RelayHost::Old);
    return runner.Run(steps) ? 0 : 1;
}
