#include "requests/user_status.h"

#include <string>

#include "hostlink/host_link.h"

namespace qvs {

void FillUserStatus(ModuleState& state, TextEvent& request) {
    auto id = static_cast<unsigned long>(request.ConnectionId);
    std::string answer;
    if (!Evaluate(state, answer, "$GetOpStatus(%lu ,%s,%s)", id, request.ChannelText, request.Nick)) return;
    if (!answer.empty()) {
        request.UserStatus = kStatusOperator;
        return;
    }
    if (!Evaluate(state, answer, "$GetVoiceStatus(%lu,%s,%s)", id, request.ChannelText, request.Nick)) return;
    request.UserStatus = answer.empty() ? kStatusRegular : kStatusVoiced;
}

}  // namespace qvs
