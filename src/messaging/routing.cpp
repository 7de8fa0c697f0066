#include "messaging/routing.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "hostlink/companion_script.h"
#include "hostlink/connections.h"
#include "hostlink/host_link.h"
#include "messaging/flood_control.h"
#include "messaging/plain_words.h"
#include "messaging/reachability.h"

namespace qvs {
namespace {

struct MessageForm {
    const char* Verb;
    bool NamesChannel;  // the Undernet forms name the channel we hold status in
};

constexpr MessageForm kNotice{"/notice", false};
constexpr MessageForm kPrivateMessage{"/msg", false};
constexpr MessageForm kUndernetNotice{"/CNotice", true};
constexpr MessageForm kUndernetPrivateMessage{"/CPrivMsg", true};

std::string FormatMessage(const MessageForm& form, uint32_t connectionId, const char* nick, const char* channel,
                          const char* text) {
    char command[kMessageCommandSize];
    std::string prefix = ScidPrefix(connectionId);
    std::string plain = AsPlainWords(text);
    if (form.NamesChannel)
        std::snprintf(command, sizeof command, "%s%s %s %s %s", prefix.c_str(), form.Verb, nick, channel, plain.c_str());
    else
        std::snprintf(command, sizeof command, "%s%s %s %s", prefix.c_str(), form.Verb, nick, plain.c_str());
    FlattenLineBreaks(command);
    return command;
}

bool IsUndernet(const Connection* connection) {
    return connection && connection->NetworkName.Equals("Undernet") && !connection->ServedChannels.Empty();
}

// On Undernet, an op or voice may address users of the channel with CNOTICE
// and CPRIVMSG, which the server does not count against the flood limit.
bool MayBypassFlood(ModuleState& state, const Connection* connection, uint32_t connectionId, const char* channel) {
    if (state.Settings.UseCNotice == 0 || !IsUndernet(connection)) return false;
    const char* ownNick = connection->ServedChannels.Head->OwnNick.c_str();
    return HasChannelStatus(state, connectionId, ownNick, channel) == 1;
}

void Deliver(ModuleState& state, Connection* connection, const std::string& command, const char* nick) {
    if (connection && FloodIsActive(connection->Network))
        PaceCommand(state, connection, command.c_str(), nick);
    else
        Execute(state, "%s", command.c_str());
}

void Route(ModuleState& state, const MessageForm& plain, const MessageForm* undernet, uint32_t connectionId,
           const char* nick, const char* text, const char* channel) {
    if (!SharesChannel(state, connectionId, nick)) return;
    if (!text) text = "";
    Connection* connection = FindConnection(state, connectionId);
    if (undernet && MayBypassFlood(state, connection, connectionId, channel)) {
        Execute(state, "%s", FormatMessage(*undernet, connectionId, nick, channel, text).c_str());
        return;
    }
    Deliver(state, connection, FormatMessage(plain, connectionId, nick, nullptr, text), nick);
}

// What a status identifier of the companion script says.
enum class StatusAnswer { Refused, Unset, Set };

StatusAnswer AskStatus(ModuleState& state, const char* format, uint32_t connectionId, const char* channel,
                       const char* ownNick) {
    std::string value;
    if (!Evaluate(state, value, format, static_cast<unsigned long>(connectionId), channel, ownNick))
        return StatusAnswer::Refused;
    return value.empty() ? StatusAnswer::Unset : StatusAnswer::Set;
}

// A pacing rule is idle when switched off or set to no delay.
bool RuleIsIdle(uint32_t use, uint32_t intervalSeconds) { return use != 1 || intervalSeconds == 0; }

}  // namespace

void SendNotice(ModuleState& state, uint32_t connectionId, const char* nick, const char* text, const char* channel) {
    Route(state, kNotice, &kUndernetNotice, connectionId, nick, text, channel);
}

void SendPrivateMessage(ModuleState& state, uint32_t connectionId, const char* nick, const char* text,
                        const char* channel) {
    Route(state, kPrivateMessage, &kUndernetPrivateMessage, connectionId, nick, text, channel);
}

void SendPlainNotice(ModuleState& state, uint32_t connectionId, const char* nick, const char* text) {
    Route(state, kNotice, nullptr, connectionId, nick, text, nullptr);
}

uint32_t HasChannelStatus(ModuleState& state, uint32_t connectionId, const char* ownNick, const char* channel) {
    if (!IsSafeName(ownNick) || !IsSafeName(channel)) return 0;
    StatusAnswer op = AskStatus(state, kGetOpStatusFormat, connectionId, channel, ownNick);
    if (op != StatusAnswer::Unset) return op == StatusAnswer::Set ? 1 : 0;
    return AskStatus(state, kGetVoiceStatusFormat, connectionId, channel, ownNick) == StatusAnswer::Set ? 1 : 0;
}

bool FloodIsActive(const NetworkSettings* network) {
    if (!network) return false;
    return !RuleIsIdle(network->UseExcessFlood, network->ExcessFloodInterval) ||
           !RuleIsIdle(network->UseTargetChange, network->TargetChangeInterval);
}

}  // namespace qvs
