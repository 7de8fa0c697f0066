// Writes the configuration files of a module that serves the named channels
// with the settings of a newly added channel, through the module's own save.
// It makes the fixtures of Wine scenarios that need a configured channel
// (tests/wine/scenarios/fixtures).
//
// Usage: sample_configuration FOLDER CHANNEL...
#include <cstdio>

#include "fake/fake_platform.h"
#include "model/channel_config.h"
#include "persistence/configuration.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: sample_configuration FOLDER CHANNEL...\n");
        return 2;
    }
    qvs::FakePlatform platform(std::string(argv[1]) + "/");
    // New channels go to the head of the list: add them last to first.
    for (int i = argc - 1; i >= 2; --i) qvs::NewChannelConfig(platform.State, argv[i]);
    qvs::SaveAllConfiguration(platform.State);
    return platform.Panel.Messages.empty() ? 0 : 1;
}
