#include "hostlink/connections.h"

#include <string>

#include "hostlink/host_link.h"
#include "model/memory.h"
#include "model/network_settings.h"
#include "ports/timer_port.h"
#include "ports/window_port.h"

namespace qvs {
namespace {

void EvaluateNetworkName(ModuleState& state, Connection* connection) {
    std::string name;
    bool answered = connection->ConnectionId
                        ? Evaluate(state, name, "$scid(%lu).network", static_cast<unsigned long>(connection->ConnectionId))
                        : Evaluate(state, name, "$network");
    if (answered) connection->NetworkName.Set(name.c_str());
}

}  // namespace

Connection* FindConnection(ModuleState& state, uint32_t connectionId) {
    for (Connection* connection = state.Connections.Head; connection; connection = connection->Next)
        if (connection->ConnectionId == connectionId) return connection;
    return nullptr;
}

Connection* OpenConnection(ModuleState& state, uint32_t connectionId) {
    Connection* connection = NewRecord<Connection>();
    if (!connection) return nullptr;
    connection->ConnectionId = connectionId;
    state.Connections.PushFront(connection);
    EvaluateNetworkName(state, connection);
    connection->Network = FindNetworkSettings(state, connection->NetworkName.c_str());
    connection->FloodWindow = state.Ports.Windows->CreateFloodWindow(connection);
    return connection;
}

void ReleaseConnection(ModuleState& state, Connection* connection) {
    if (connection->FloodTimer) state.Ports.Timers->KillTimer(connection->FloodTimer);
    connection->Pending.ReleaseAll(DeleteRecord<PendingMessage>);
    if (connection->FloodWindow) state.Ports.Windows->DestroyFloodWindow(connection->FloodWindow);
    DeleteRecord(connection);
}

}  // namespace qvs
