#include "requests/query_window.h"

#include "hostlink/host_link.h"

namespace qvs {

void CloseQueryWindow(ModuleState& state, uint32_t connectionId, const char* nick) {
    Execute(state, "%s/close -m %s", ScidPrefix(connectionId).c_str(), nick);
}

}  // namespace qvs
