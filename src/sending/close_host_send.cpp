#include "sending/close_host_send.h"

#include "hostlink/host_link.h"
#include "sending/host_sends.h"

namespace qvs {

uint32_t CloseHostSend(ModuleState& state, uint32_t connectionId, const char* nick, const char* path) {
    uint32_t number = FindHostSend(state, connectionId, nick, path);
    if (number == 0) return 0;
    Execute(state, "/close -s%lu %s", static_cast<unsigned long>(number), nick);
    return 1;
}

}  // namespace qvs
