#include "requests/reply.h"

#include "messaging/routing.h"

namespace qvs {

void ReplyPrivately(ModuleState& state, const ServedChannel* channel, const char* nick, const std::string& text) {
    SendPrivateMessage(state, channel->Connection->ConnectionId, nick, text.c_str(),
                       channel->Config->ChannelName.c_str());
}

void ReplyByNotice(ModuleState& state, const ServedChannel* channel, const char* nick, const std::string& text) {
    SendNotice(state, channel->Connection->ConnectionId, nick, text.c_str(), channel->Config->ChannelName.c_str());
}

}  // namespace qvs
