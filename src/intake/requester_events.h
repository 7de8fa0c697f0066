// What other users' nick changes and returns mean for their queued requests.
#pragma once
#include "model/module_state.h"
#include "wire/server_event_wire.h"

namespace qvs {

// The entries of OldNick on that connection follow the nick to NewNick.
void RenameRequester(ModuleState& state, uint32_t connectionId, const NickChange& change);
// The nick's held entries on that connection may be sent again.
void ReleaseHeldRequests(ModuleState& state, uint32_t connectionId, const char* nick);

}  // namespace qvs
