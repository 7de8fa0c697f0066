// IRC traffic as the companion script's event handlers turn it into the
// relay's calls; the live channels are kept as the host keeps them.
#include <algorithm>

#include "live/live_host.h"

namespace hostsim::live {
namespace {

constexpr char kNetworkToken[] = "NETWORK=";
constexpr char kAltNickMark = '_';
constexpr char kOpMark = '@';
constexpr char kVoiceMark = '+';
constexpr char kNickPrefixes[] = "~&@%+";  // the server's PREFIX marks

std::string Id() { return std::to_string(kLiveConnectionId); }

bool IsChannel(const std::string& target) { return !target.empty() && (target[0] == '#' || target[0] == '&'); }

}  // namespace

const LiveHost::IrcVerb LiveHost::kIrcVerbs[] = {
    {"PING", &LiveHost::OnPing},       {"001", &LiveHost::OnWelcome},   {"005", &LiveHost::OnSupport},
    {"376", &LiveHost::OnMotdEnd},     {"422", &LiveHost::OnMotdEnd},   {"433", &LiveHost::OnNickInUse},
    {"JOIN", &LiveHost::OnJoin},       {"353", &LiveHost::OnNames},     {"PART", &LiveHost::OnPart},
    {"KICK", &LiveHost::OnKick},       {"QUIT", &LiveHost::OnQuit},     {"NICK", &LiveHost::OnNick},
    {"MODE", &LiveHost::OnMode},       {"PRIVMSG", &LiveHost::OnPrivmsg}, {"ERROR", &LiveHost::OnError},
};

void LiveHost::OnLine(const std::string& line) {
    IrcMessage message;
    if (!ParseIrcLine(line, message)) return;
    for (const IrcVerb& verb : kIrcVerbs)
        if (message.Command == verb.Command) return (this->*verb.Handle)(message);
}

void LiveHost::OnPing(const IrcMessage& message) { irc_.Write("PONG :" + message.Param(0)); }

void LiveHost::OnWelcome(const IrcMessage& message) { me_ = message.Param(0); }

void LiveHost::OnSupport(const IrcMessage& message) {
    for (const std::string& token : message.Params)
        if (token.compare(0, sizeof kNetworkToken - 1, kNetworkToken) == 0) network_ = token.substr(sizeof kNetworkToken - 1);
}

// The host's "on CONNECT" comes after the message of the day.
void LiveHost::OnMotdEnd(const IrcMessage&) {
    if (online_) return;
    online_ = true;
    model_.Connect(kLiveConnectionId, network_, me_);
    Note("connected to " + network_ + " as " + me_);
    Relay("Connect", Id());
    for (const std::string& channel : options_.Channels) irc_.Write("JOIN " + channel);
}

void LiveHost::OnNickInUse(const IrcMessage&) {
    options_.Nick += kAltNickMark;
    irc_.Write("NICK " + options_.Nick);
}

void LiveHost::OnJoin(const IrcMessage& message) {
    std::string channel = message.Param(0);
    if (SameName(message.Nick, me_)) {
        model_.Join(kLiveConnectionId, channel);
        channels_.push_back(channel);
        Relay("Join", Id() + " " + channel);
        return Note("joined " + channel);
    }
    model_.SetUser(kLiveConnectionId, channel, message.Nick, false, false);
    Relay("Reachable", Id() + " " + message.Nick);
}

// "353 me = #channel :@op +voiced plain"
void LiveHost::OnNames(const IrcMessage& message) {
    std::string channel = message.Param(2), names = message.Param(3);
    std::size_t start = 0;
    while (start < names.size()) {
        std::size_t end = std::min(names.find(' ', start), names.size());
        std::string name = names.substr(start, end - start);
        start = end + 1;
        std::size_t marks = std::min(name.find_first_not_of(kNickPrefixes), name.size());
        bool op = name.find(kOpMark) < marks, voice = name.find(kVoiceMark) < marks;
        name.erase(0, marks);
        if (!name.empty()) model_.SetUser(kLiveConnectionId, channel, name, op, voice);
    }
}

void LiveHost::OnPart(const IrcMessage& message) {
    if (SameName(message.Nick, me_)) return LeftChannel(message.Param(0));
    model_.RemoveUser(kLiveConnectionId, message.Param(0), message.Nick);
}

void LiveHost::OnKick(const IrcMessage& message) {
    if (SameName(message.Param(1), me_)) return LeftChannel(message.Param(0));
    model_.RemoveUser(kLiveConnectionId, message.Param(0), message.Param(1));
}

void LiveHost::LeftChannel(const std::string& channel) {
    Relay("Part", Id() + " " + channel);
    model_.Part(kLiveConnectionId, channel);
    channels_.erase(std::remove_if(channels_.begin(), channels_.end(),
                                   [&](const std::string& c) { return SameName(c, channel); }),
                    channels_.end());
}

// The script has no quit handler; the nick only leaves the channels.
void LiveHost::OnQuit(const IrcMessage& message) {
    for (const std::string& channel : channels_) model_.RemoveUser(kLiveConnectionId, channel, message.Nick);
}

// Another user's sends follow the nick ("/dcc nick -s") before the module
// hears of the change.
void LiveHost::OnNick(const IrcMessage& message) {
    std::string to = message.Param(0);
    if (SameName(message.Nick, me_)) {
        me_ = to;
        model_.SetOwnNick(kLiveConnectionId, to);
        return Relay("OwnNick", Id() + " " + to);
    }
    sends_.Rename(kLiveConnectionId, message.Nick, to);
    model_.RenameUser(kLiveConnectionId, message.Nick, to);
    Relay("NickChange", Id() + " " + message.Nick + " " + to);
}

// "+o nick", "-v nick", "+ov a b": the modes the op and voice answers read.
void LiveHost::OnMode(const IrcMessage& message) {
    std::string channel = message.Param(0), modes = message.Param(1);
    if (!IsChannel(channel)) return;
    bool adding = true;
    std::size_t next = 2;
    for (char mode : modes) {
        if (mode == '+' || mode == '-') {
            adding = mode == '+';
            continue;
        }
        if (mode != 'o' && mode != 'v') continue;
        const ChannelUser* user = model_.FindUser(kLiveConnectionId, channel, message.Param(next++));
        if (!user) continue;
        bool op = mode == 'o' ? adding : user->Op, voice = mode == 'v' ? adding : user->Voice;
        model_.SetUser(kLiveConnectionId, channel, user->Nick, op, voice);
    }
}

// Channel text and private text; CTCP requests are the host's own business.
void LiveHost::OnPrivmsg(const IrcMessage& message) {
    std::string target = message.Param(0), text = message.Param(1);
    if (!CtcpBody(text).empty()) return;
    if (IsChannel(target)) return Relay("Text", Id() + " " + target + " " + message.Nick + " " + text);
    std::string channel = FirstCommonChannel(message.Nick);
    if (!channel.empty()) Relay("Query", Id() + " " + channel + " " + message.Nick + " " + text);
}

std::string LiveHost::FirstCommonChannel(const std::string& nick) const {
    for (const std::string& channel : channels_)
        if (model_.FindUser(kLiveConnectionId, channel, nick)) return channel;
    return std::string();
}

void LiveHost::OnError(const IrcMessage& message) { Disconnected(message.Param(0)); }

void LiveHost::Disconnected(const std::string& reason) {
    if (!online_ && !irc_.Connected()) return;
    Note("disconnected: " + reason);
    if (online_) Relay("Disconnect", Id());
    online_ = false;
    model_.Disconnect(kLiveConnectionId);
    channels_.clear();
}

void LiveHost::Relay(const char* exportName, const std::string& line) {
    bool posted = relay_.Call(exportName, line);
    ++relayCalls_;
    if (!options_.Quiet || !posted) Note(std::string("relay ") + exportName + " " + line + (posted ? "" : "  (not posted)"));
}

}  // namespace hostsim::live
