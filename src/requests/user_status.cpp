#include "requests/user_status.h"

#include <string>

#include "hostlink/companion_script.h"
#include "hostlink/host_link.h"
#include "messaging/reachability.h"

namespace qvs {

// The channel is named as the network wrote it; one that would change how
// the host reads the identifier leaves the status as it was.
void FillUserStatus(ModuleState& state, TextEvent& request) {
    if (!IsSafeName(request.ChannelText)) return;
    auto id = static_cast<unsigned long>(request.ConnectionId);
    std::string answer;
    if (!Evaluate(state, answer, kGetOpStatusFormat, id, request.ChannelText, request.Nick)) return;
    if (!answer.empty()) {
        request.UserStatus = kStatusOperator;
        return;
    }
    if (!Evaluate(state, answer, kGetVoiceStatusFormat, id, request.ChannelText, request.Nick)) return;
    request.UserStatus = answer.empty() ? kStatusRegular : kStatusVoiced;
}

}  // namespace qvs
