#include "ads/show_advertisement.h"

#include <string>

#include "ads/text_variables.h"
#include "messaging/channel_message.h"
#include "messaging/routing.h"

namespace qvs {
namespace {

enum DisplayMethod : uint32_t { kToChannel = 0, kByNotice = 1 };

}  // namespace

// Timed showings always go to the channel; a trigger showing goes where
// the group's display method says.
void ShowAdvertisement(ModuleState& state, Advertisement* ad, ServedChannel* channel, AdGroupSelection* selection,
                       const char* nick) {
    const ChannelConfig* config = channel->Config;
    if (config->Serve != 1 || !ad || ad->AdsText.IsEmpty()) return;
    std::string text = ExpandVariables(state, config, ad->AdsText.c_str(), nick, channel);
    uint32_t connectionId = channel->Connection->ConnectionId;
    const char* channelName = config->ChannelName.c_str();
    if (!nick || !selection || selection->DisplayMethod == kToChannel)
        SendChannelMessage(state, connectionId, channelName, text.c_str());
    else if (selection->DisplayMethod == kByNotice)
        SendNotice(state, connectionId, nick, text.c_str(), channelName);
    else
        SendPrivateMessage(state, connectionId, nick, text.c_str(), channelName);
}

}  // namespace qvs
