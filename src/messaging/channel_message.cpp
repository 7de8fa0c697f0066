#include "messaging/channel_message.h"

#include <cstdio>
#include <string>

#include "hostlink/host_link.h"
#include "messaging/plain_words.h"
#include "messaging/reachability.h"

namespace qvs {

std::string FormatChannelMessage(uint32_t connectionId, const char* channel, const char* text) {
    if (!IsSafeName(channel)) return std::string();
    char command[kMessageCommandSize];
    std::string plain = AsPlainWords(text ? text : "");
    std::snprintf(command, sizeof command, "%s/msg %s %s", ScidPrefix(connectionId).c_str(), channel, plain.c_str());
    FlattenLineBreaks(command);
    return command;
}

void SendChannelMessage(ModuleState& state, uint32_t connectionId, const char* channel, const char* text) {
    std::string command = FormatChannelMessage(connectionId, channel, text);
    if (!command.empty()) Execute(state, "%s", command.c_str());
}

}  // namespace qvs
