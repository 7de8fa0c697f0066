// The host commands that change the host's sends, as the simulated host runs
// them. The companion script's send aliases each start a DCC send in the
// host model (at 0 bytes per second):
//   /SendFile <cid> <nick> <path>
//   /SendFileLimit <cid> <limit> <nick> <path>
//   /SendFileAlternate <cid> <nick> <port> <path>
//   /SendFileAlternateLimit <cid> <limit> <nick> <port> <path>
// and the host's own "/close -s<N> <nick>" closes the N-th send to the nick
// on the active connection. A "/scid <cid> " prefix in front of any of them
// is allowed; it names the connection of the close.
#pragma once
#include <string>

#include "host_model.h"

namespace hostsim {

void NoteSendCommand(HostModel& model, const std::string& command);

// The command without its "/scid <cid> " prefix; id is that cid, or 0.
std::string WithoutScid(const std::string& command, uint32_t& id);

}  // namespace hostsim
