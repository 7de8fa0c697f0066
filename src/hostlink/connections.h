// Connections: one per host connection id that has sent an event.
#pragma once
#include "model/module_state.h"

namespace qvs {

Connection* FindConnection(ModuleState& state, uint32_t connectionId);
// A new Connection at the head of the list, with its network and flood window.
Connection* OpenConnection(ModuleState& state, uint32_t connectionId);
// Releases one unlinked Connection's own parts and the record.
void ReleaseConnection(ModuleState& state, Connection* connection);

}  // namespace qvs
