#include "hostlink/operator_boxes.h"

#include "ports/panel_port.h"

namespace qvs {
namespace {

uint32_t BitOf(OperatorBox kind) { return 1u << static_cast<uint32_t>(kind); }

}  // namespace

int ShowOperatorBox(ModuleState& state, OperatorBox kind, const char* text, uint32_t icon) {
    uint32_t bit = BitOf(kind);
    if (!state.Ports.Panel || (state.OpenBoxes & bit)) return kBoxNotShown;
    state.OpenBoxes |= bit;
    int answer = state.Ports.Panel->ShowMessage(text, icon);
    state.OpenBoxes &= ~bit;
    return answer;
}

}  // namespace qvs
