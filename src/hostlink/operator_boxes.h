// Message boxes to the operator. A box runs a modal loop that goes on
// handling server events and timers; an event that wants the same box again
// would open it inside the first, and the next inside that, until the UI
// thread's stack runs out. So a kind of box is open at most once at a time:
// a repeat while it is open is skipped, and the event that wanted it is
// otherwise handled as usual. Once the operator has closed it, it can show
// again.
#pragma once
#include <cstdint>

#include "model/module_state.h"

namespace qvs {

enum class OperatorBox : uint32_t { NoNetworkName, SaveFailure };

// What ShowOperatorBox answers when it showed nothing.
constexpr int kBoxNotShown = 0;

// The panel's answer (kAnswerOk, kAnswerYes, kAnswerNo), or kBoxNotShown
// when a box of that kind is already open or there is no panel.
int ShowOperatorBox(ModuleState& state, OperatorBox kind, const char* text, uint32_t icon);

}  // namespace qvs
