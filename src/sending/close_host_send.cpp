#include "sending/close_host_send.h"

#include <string>

#include "host/host_link.h"
#include "host/text_routines.h"
#include "model/names.h"

namespace qvs {

uint32_t CloseHostSend(ModuleState& state, uint32_t connectionId, const char* nick, const char* path) {
    const unsigned long id = connectionId;
    std::string answer;
    if (!Evaluate(state, answer, "$GetSendCountPerNick(%lu,%s)", id, nick)) return 0;
    uint32_t count = ParseDecimal(answer.c_str());
    if (count == kInvalidNumber) return 0;
    for (unsigned long number = 1; number <= count; ++number) {
        std::string folder, name;
        if (!Evaluate(state, folder, "$GetSendPathName(%lu, %s,%lu)", id, nick, number)) continue;
        Evaluate(state, name, "$GetSendFileName(%lu ,%s,%lu)", id, nick, number);
        if (!NamesEqual((folder + name).c_str(), path)) continue;
        Execute(state, "/close -s%lu %s", number, nick);
        return 1;
    }
    return 0;
}

}  // namespace qvs
