// The stock triggers: an at sign, the own nick and a suffix such as "-que".
#pragma once
#include "model/module_state.h"
#include "requests/request_line.h"
#include "wire/server_event_wire.h"

namespace qvs {

// true when the word is a stock trigger (answered or, where the channel is
// not served, consumed).
bool DispatchStockTrigger(ModuleState& state, ServedChannel* channel, const TextEvent& request,
                          const RequestLine& line);

}  // namespace qvs
