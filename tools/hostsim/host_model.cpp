#include "host_model.h"

#include <algorithm>
#include <cctype>

#include "hostlink/companion_script.h"

namespace hostsim {
namespace {

// Whether a called name is the companion identifier of that format.
bool Calls(const std::string& name, const char* format) { return SameName(name, qvs::CompanionName(format)); }

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::string Trim(const std::string& text) {
    std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return std::string();
    std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

// Digits only, or nothing.
bool ParseNumber(const std::string& text, uint64_t& number) {
    if (text.empty() || text.size() > 18) return false;
    number = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        number = number * 10 + static_cast<uint64_t>(c - '0');
    }
    return true;
}

uint32_t Number32(const std::string& text) {
    uint64_t number = 0;
    return ParseNumber(text, number) && number <= 0xFFFFFFFFu ? static_cast<uint32_t>(number) : 0xFFFFFFFFu;
}

// "$name(a, b).property" split into its parts; false when it is no identifier.
bool SplitIdentifier(const std::string& text, std::string& name, std::vector<std::string>& args, std::string& property) {
    if (text.size() < 2 || text[0] != '$') return false;
    std::size_t end = text.find_first_of("(.", 1);
    name = Lower(text.substr(1, end == std::string::npos ? std::string::npos : end - 1));
    if (end == std::string::npos) return true;
    std::size_t rest = end;
    if (text[end] == '(') {
        std::size_t close = text.find(')', end);
        if (close == std::string::npos) return false;
        std::string inside = text.substr(end + 1, close - end - 1);
        std::size_t start = 0;
        for (;;) {
            std::size_t comma = inside.find(',', start);
            args.push_back(Trim(inside.substr(start, comma == std::string::npos ? std::string::npos : comma - start)));
            if (comma == std::string::npos) break;
            start = comma + 1;
        }
        rest = close + 1;
    }
    if (rest < text.size()) {
        if (text[rest] != '.') return false;
        property = Lower(text.substr(rest + 1));
    }
    return true;
}

}  // namespace

void HostModel::Connect(uint32_t id, const std::string& network, const std::string& me) {
    connections_[id] = Connection{network, me, {}};
    if (!active_) active_ = id;
}

void HostModel::Disconnect(uint32_t id) {
    connections_.erase(id);
    if (active_ == id) active_ = connections_.empty() ? 0 : connections_.begin()->first;
}

void HostModel::Join(uint32_t id, const std::string& channel) {
    Connection* connection = FindToChange(id);
    if (!connection || FindChannel(id, channel)) return;
    connection->Channels.push_back(Channel{channel, {ChannelUser{connection->Me, false, false}}});
}

void HostModel::Part(uint32_t id, const std::string& channel) {
    Connection* connection = FindToChange(id);
    if (!connection) return;
    auto& channels = connection->Channels;
    channels.erase(std::remove_if(channels.begin(), channels.end(),
                                  [&](const Channel& c) { return SameName(c.Name, channel); }),
                   channels.end());
}

void HostModel::SetUser(uint32_t id, const std::string& channel, const std::string& nick, bool op, bool voice) {
    Connection* connection = FindToChange(id);
    if (!connection) return;
    for (Channel& c : connection->Channels) {
        if (!SameName(c.Name, channel)) continue;
        for (ChannelUser& user : c.Users)
            if (SameName(user.Nick, nick)) {
                user.Op = op;
                user.Voice = voice;
                return;
            }
        c.Users.push_back(ChannelUser{nick, op, voice});
    }
}

void HostModel::RemoveUser(uint32_t id, const std::string& channel, const std::string& nick) {
    Connection* connection = FindToChange(id);
    if (!connection) return;
    for (Channel& c : connection->Channels) {
        if (!SameName(c.Name, channel)) continue;
        c.Users.erase(std::remove_if(c.Users.begin(), c.Users.end(),
                                     [&](const ChannelUser& user) { return SameName(user.Nick, nick); }),
                      c.Users.end());
    }
}

void HostModel::RenameUser(uint32_t id, const std::string& from, const std::string& to) {
    Connection* connection = FindToChange(id);
    if (!connection) return;
    for (Channel& c : connection->Channels)
        for (ChannelUser& user : c.Users)
            if (SameName(user.Nick, from)) user.Nick = to;
}

void HostModel::SetOwnNick(uint32_t id, const std::string& nick) {
    Connection* connection = FindToChange(id);
    if (!connection) return;
    RenameUser(id, connection->Me, nick);
    connection->Me = nick;
}

bool HostModel::CloseSend(uint32_t id, const std::string& nick, uint32_t n) {
    return sends_.Close(id ? id : active_, nick, n);
}

std::vector<uint32_t> HostModel::ConnectionIds() const {
    std::vector<uint32_t> ids;
    for (const auto& connection : connections_) ids.push_back(connection.first);
    return ids;
}

uint32_t HostModel::SharedChannels(uint32_t id, const std::string& nick) const {
    uint32_t shared = 0;
    if (const Connection* connection = Find(id))
        for (const Channel& c : connection->Channels)
            for (const ChannelUser& user : c.Users)
                if (SameName(user.Nick, nick)) ++shared;
    return shared;
}

void HostModel::Override(const std::string& identifier, const std::string& value) {
    refused_.erase(identifier);
    overrides_[identifier] = value;
}

void HostModel::Refuse(const std::string& identifier) {
    overrides_.erase(identifier);
    refused_.insert(identifier);
}

HostModel::Preset HostModel::FindPreset(const std::string& identifier, std::string& value) const {
    if (refused_.count(identifier)) return Preset::Refused;
    auto overridden = overrides_.find(identifier);
    if (overridden == overrides_.end()) return Preset::None;
    value = overridden->second;
    return Preset::Set;
}

bool HostModel::Evaluate(const std::string& identifier, std::string& value) const {
    Preset preset = FindPreset(identifier, value);
    if (preset != Preset::None) return preset == Preset::Set;
    std::string name, property;
    std::vector<std::string> args;
    if (!SplitIdentifier(identifier, name, args, property)) return false;
    return EvaluateCall(name, args, property, value);
}

const Connection* HostModel::Find(uint32_t id) const {
    auto found = connections_.find(id ? id : active_);
    return found == connections_.end() ? nullptr : &found->second;
}

Connection* HostModel::FindToChange(uint32_t id) {
    auto found = connections_.find(id ? id : active_);
    return found == connections_.end() ? nullptr : &found->second;
}

const Channel* HostModel::FindChannel(uint32_t id, const std::string& name) const {
    const Connection* connection = Find(id);
    if (!connection) return nullptr;
    for (const Channel& c : connection->Channels)
        if (SameName(c.Name, name)) return &c;
    return nullptr;
}

const ChannelUser* HostModel::FindUser(uint32_t id, const std::string& channel, const std::string& nick) const {
    const Channel* c = FindChannel(id, channel);
    if (!c) return nullptr;
    for (const ChannelUser& user : c->Users)
        if (SameName(user.Nick, nick)) return &user;
    return nullptr;
}

// A dead window keeps its number but has no path, name or speed to tell.
const SendWindow* HostModel::RunningSendTo(uint32_t id, const std::string& nick, uint32_t n) const {
    const SendWindow* window = sends_.NthTo(id, nick, n);
    return window && window->Running() ? window : nullptr;
}

bool HostModel::EvaluateScid(const std::vector<std::string>& args, const std::string& property, std::string& value) const {
    if (args.size() != 1) return false;
    const Connection* connection = Find(Number32(args[0]));
    if (!connection || Number32(args[0]) == 0) return false;
    if (property == "$me" || property == "me") value = connection->Me;
    else if (property == "network") value = connection->Network;
    else return false;
    return true;
}

bool HostModel::EvaluateSend(const std::vector<std::string>& args, const std::string& property, std::string& value) const {
    if (args.size() != 1) return false;
    uint32_t n = Number32(args[0]);
    if (n != 0) return sends_.Property(n, property, value);
    value = std::to_string(sends_.Count());
    return property.empty();
}

bool HostModel::EvaluateCall(const std::string& name, const std::vector<std::string>& args, const std::string& property,
                             std::string& value) const {
    auto argument = [&](std::size_t i) { return i < args.size() ? args[i] : std::string(); };
    uint32_t id = Number32(argument(0));
    if (name == "scid") return EvaluateScid(args, property, value);
    if (name == "send") return EvaluateSend(args, property, value);
    if (!property.empty()) return false;
    if (name == "me" || name == "network") {
        const Connection* connection = Find(0);
        if (!connection || !args.empty()) return false;
        value = name == "me" ? connection->Me : connection->Network;
        return true;
    }
    if (name == "ctime") {
        value = std::to_string(ctime_);
        return args.empty();
    }
    if (Calls(name, qvs::kGetMinuteFormat)) {
        uint64_t then = 0;
        value = ParseNumber(argument(0), then) && then <= ctime_ ? std::to_string((ctime_ - then) / 60) : "0";
        return args.size() == 1;
    }
    if (Calls(name, qvs::kGetComChanFormat)) {
        value = std::to_string(connections_.count(id) ? SharedChannels(id, argument(1)) : 0);
        return args.size() == 2;
    }
    if (Calls(name, qvs::kGetOpStatusFormat) || Calls(name, qvs::kGetVoiceStatusFormat)) {
        const ChannelUser* user = FindUser(id, argument(1), argument(2));
        bool on = user && (Calls(name, qvs::kGetOpStatusFormat) ? user->Op : user->Voice);
        value = on ? "1" : "";
        return args.size() == 3;
    }
    if (Calls(name, qvs::kGetSendCountPerNickFormat)) {
        value = std::to_string(sends_.CountTo(id, argument(1)));
        return args.size() == 2;
    }
    if (Calls(name, qvs::kGetSendPathNameFormat) || Calls(name, qvs::kGetSendFileNameFormat) ||
        Calls(name, qvs::kGetSendCpsForNickFormat)) {
        const SendWindow* send = RunningSendTo(id, argument(1), Number32(argument(2)));
        if (!send) value.clear();
        else if (Calls(name, qvs::kGetSendPathNameFormat)) value = send->Folder;
        else if (Calls(name, qvs::kGetSendFileNameFormat)) value = send->File;
        else value = std::to_string(send->Cps);
        return args.size() == 3;
    }
    if (Calls(name, qvs::kGetNickCountFormat)) {
        const Channel* c = FindChannel(id, argument(1));
        value = std::to_string(c ? c->Users.size() : 0);
        return args.size() == 2;
    }
    if (Calls(name, qvs::kGetNickFormat)) {
        const Channel* c = FindChannel(id, argument(1));
        uint32_t n = Number32(argument(2));
        value = c && n >= 1 && n <= c->Users.size() ? c->Users[n - 1].Nick : std::string();
        return args.size() == 3;
    }
    return false;
}

}  // namespace hostsim
