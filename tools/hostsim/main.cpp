// hostsim: plays the host for the module, driven by a scenario file.
//   hostsim.exe <module.dll> <scenario.scn>
// Prints a transcript and "N passed, M failed"; exits 1 when anything failed.
#include <cstdio>

#include "runner.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: hostsim <module.dll> <scenario.scn>\n");
        return 2;
    }
    std::vector<hostsim::Step> steps;
    std::string error;
    if (!hostsim::ReadScenario(argv[2], steps, error)) {
        std::fprintf(stderr, "hostsim: %s\n", error.c_str());
        return 2;
    }
    std::printf("== %s with %s\n", argv[2], argv[1]);
    hostsim::Runner runner(argv[1], argv[2]);
    return runner.Run(steps) ? 0 : 1;
}
