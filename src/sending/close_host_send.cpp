#include "sending/close_host_send.h"

#include "hostlink/host_link.h"
#include "sending/host_sends.h"

namespace qvs {

void CloseNthHostSend(ModuleState& state, uint32_t connectionId, uint32_t number, const char* nick) {
    Execute(state, "%s/close -s%lu %s", ScidPrefix(connectionId).c_str(), static_cast<unsigned long>(number), nick);
}

uint32_t CloseHostSend(ModuleState& state, uint32_t connectionId, const char* nick, const char* path) {
    uint32_t number = FindHostSend(state, connectionId, nick, path);
    if (number == 0) return 0;
    CloseNthHostSend(state, connectionId, number, nick);
    return 1;
}

}  // namespace qvs
