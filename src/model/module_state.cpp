#include "model/module_state.h"

namespace qvs {

const char kAppName[] = "QVS Verovor Odezev by Tarvonek v1.8.2c";

void ConnectPorts(ModuleState& state, const Platform& ports) {
    state.Ports = ports;
    state.Link.Transport = ports.Host;
    state.Link.Clock = ports.Clock;
    state.Link.Files = ports.Files;
}

}  // namespace qvs
