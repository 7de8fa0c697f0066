#include "model/network_settings.h"

#include "model/memory.h"

namespace qvs {

NetworkSettings* FindNetworkSettings(ModuleState& state, const char* networkName) {
    if (!networkName || !*networkName) return nullptr;
    for (NetworkSettings* settings = state.Networks.Head; settings; settings = settings->Next)
        if (settings->NetworkName.Equals(networkName)) return settings;
    return nullptr;
}

NetworkSettings* AddNetworkSettings(ModuleState& state, const char* networkName) {
    if (!networkName || !*networkName || FindNetworkSettings(state, networkName)) return nullptr;
    NetworkSettings* settings = NewRecord<NetworkSettings>();
    if (!settings) return nullptr;
    settings->NetworkName.Set(networkName);
    settings->ExcessFloodInterval = kNewNetworkExcessFloodInterval;
    settings->TargetChangeInterval = kNewNetworkTargetChangeInterval;
    state.Networks.PushBack(settings);
    for (Connection* connection = state.Connections.Head; connection; connection = connection->Next)
        if (connection->NetworkName.Equals(networkName)) connection->Network = settings;
    return settings;
}

void RemoveNetworkSettings(ModuleState& state, NetworkSettings* settings) {
    if (!settings) return;
    for (Connection* connection = state.Connections.Head; connection; connection = connection->Next)
        if (connection->Network == settings) connection->Network = nullptr;
    state.Networks.Unlink(settings);
    DeleteRecord(settings);
}

}  // namespace qvs
