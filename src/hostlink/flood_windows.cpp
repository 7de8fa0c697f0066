#include "hostlink/flood_windows.h"

#include "ports/window_port.h"

namespace qvs {

void ForgetFloodWindows(ModuleState& state) {
    for (Connection* connection = state.Connections.Head; connection; connection = connection->Next)
        connection->FloodWindow = 0;
}

void ReopenFloodWindows(ModuleState& state) {
    for (Connection* connection = state.Connections.Head; connection; connection = connection->Next)
        if (!connection->FloodWindow) connection->FloodWindow = state.Ports.Windows->CreateFloodWindow(connection);
}

}  // namespace qvs
