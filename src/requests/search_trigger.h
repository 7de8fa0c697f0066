// The search trigger words of a channel ("@find" by default).
#pragma once
#include "model/module_state.h"
#include "requests/request_line.h"
#include "wire/server_event_wire.h"

namespace qvs {

// true when the word is one of the channel's search triggers; the search
// runs only when the channel serves and the query is long enough.
bool DispatchSearchTrigger(ModuleState& state, ServedChannel* channel, const TextEvent& request,
                           const RequestLine& line);

}  // namespace qvs
