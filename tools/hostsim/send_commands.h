// The companion script's send aliases, as the simulated host runs them: each
// starts a DCC send in the host model (at 0 bytes per second).
//   /SendFile <cid> <nick> <path>
//   /SendFileLimit <cid> <limit> <nick> <path>
//   /SendFileAlternate <cid> <nick> <port> <path>
//   /SendFileAlternateLimit <cid> <limit> <nick> <port> <path>
// A "/scid <cid> " prefix in front is allowed.
#pragma once
#include <string>

#include "host_model.h"

namespace hostsim {

void NoteSendCommand(HostModel& model, const std::string& command);

}  // namespace hostsim
