#include "persistence/flood_file.h"

#include "persistence/config_file.h"
#include "persistence/numbered_elements.h"

namespace qvs {
namespace {

constexpr char kNetworkCountKey[] = "NetworkNum";

template <typename Keys, typename Record>
void NetworkKeys(const Keys& keys, Record& network) {
    keys.String("NetworkName", network.NetworkName, StringForm::Terminated);
    keys.Dword("UseExcessFlood", network.UseExcessFlood);
    keys.Dword("ExcessFloodInterval", network.ExcessFloodInterval);
    keys.Dword("UseTargetChange", network.UseTargetChange);
    keys.Dword("TargetChangeInterval", network.TargetChangeInterval);
}

}  // namespace

bool SaveNetworkSettings(ModuleState& state) {
    return SaveConfigFile(state, kFloodFile, nullptr, [&](const StorageRef& root) {
        WriteNumberedStorages(root, kFromOne, state.Networks, [](const StorageRef& child, const NetworkSettings& network) {
            NetworkKeys(KeyWriter(child), network);
        });
        WriteDword(root, kNetworkCountKey, state.Networks.Count);
    });
}

// Read in rising order and appended, which gives the file's order directly
// and lets a count that promises absent networks stop at what is there.
void LoadNetworkSettings(ModuleState& state) {
    StorageRef root = OpenConfigFile(state, kFloodFile);
    ReadNumberedRecords(root, kFromOne, ReadCount(root, kNetworkCountKey), state.Networks,
                        [](const StorageRef& child, NetworkSettings& network) { NetworkKeys(KeyReader(child), network); });
}

}  // namespace qvs
