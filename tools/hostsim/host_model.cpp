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

std::string FolderOf(const std::string& path) {
    std::size_t slash = path.find_last_of('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string FileOf(const std::string& path) {
    std::size_t slash = path.find_last_of('\\');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

bool SameName(const std::string& a, const std::string& b) { return Lower(a) == Lower(b); }

void HostModel::Connect(uint32_t id, const std::string& network, const std::string& me) {
    connections_[id] = Connection{network, me, {}};
    if (!active_) active_ = id;
}

void HostModel::Disconnect(uint32_t id) {
    connections_.erase(id);
    if (active_ == id) active_ = connections_.empty() ? 0 : connections_.begin()->first;
}

void HostModel::Join(uint32_t id, const std::string& channel) {
    Connection* connection = Find(id);
    if (!connection || FindChannel(id, channel)) return;
    connection->Channels.push_back(Channel{channel, {ChannelUser{connection->Me, false, false}}});
}

void HostModel::Part(uint32_t id, const std::string& channel) {
    Connection* connection = Find(id);
    if (!connection) return;
    auto& channels = connection->Channels;
    channels.erase(std::remove_if(channels.begin(), channels.end(),
                                  [&](const Channel& c) { return SameName(c.Name, channel); }),
                   channels.end());
}

void HostModel::SetUser(uint32_t id, const std::string& channel, const std::string& nick, bool op, bool voice) {
    Connection* connection = Find(id);
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
    Connection* connection = Find(id);
    if (!connection) return;
    for (Channel& c : connection->Channels) {
        if (!SameName(c.Name, channel)) continue;
        c.Users.erase(std::remove_if(c.Users.begin(), c.Users.end(),
                                     [&](const ChannelUser& user) { return SameName(user.Nick, nick); }),
                      c.Users.end());
    }
}

void HostModel::RenameUser(uint32_t id, const std::string& from, const std::string& to) {
    Connection* connection = Find(id);
    if (!connection) return;
    for (Channel& c : connection->Channels)
        for (ChannelUser& user : c.Users)
            if (SameName(user.Nick, from)) user.Nick = to;
    for (RunningSend& send : sends_)
        if (send.ConnectionId == id && SameName(send.Nick, from)) send.Nick = to;
}

void HostModel::SetOwnNick(uint32_t id, const std::string& nick) {
    Connection* connection = Find(id);
    if (!connection) return;
    RenameUser(id, connection->Me, nick);
    connection->Me = nick;
}

bool HostModel::EndSend(uint32_t id, const std::string& nick, const std::string& path) {
    for (auto it = sends_.begin(); it != sends_.end(); ++it)
        if (it->ConnectionId == id && SameName(it->Nick, nick) && SameName(it->Path, path)) {
            sends_.erase(it);
            return true;
        }
    return false;
}

bool HostModel::CloseSend(uint32_t id, const std::string& nick, uint32_t n) {
    const RunningSend* send = NthSendTo(id ? id : active_, nick, n);
    if (!send) return false;
    sends_.erase(sends_.begin() + (send - sends_.data()));
    return true;
}

void HostModel::Override(const std::string& identifier, const std::string& value) {
    refused_.erase(identifier);
    overrides_[identifier] = value;
}

void HostModel::Refuse(const std::string& identifier) {
    overrides_.erase(identifier);
    refused_.insert(identifier);
}

bool HostModel::Evaluate(const std::string& identifier, std::string& value) const {
    if (refused_.count(identifier)) return false;
    auto overridden = overrides_.find(identifier);
    if (overridden != overrides_.end()) {
        value = overridden->second;
        return true;
    }
    std::string name, property;
    std::vector<std::string> args;
    if (!SplitIdentifier(identifier, name, args, property)) return false;
    return EvaluateCall(name, args, property, value);
}

const Connection* HostModel::Find(uint32_t id) const {
    auto found = connections_.find(id ? id : active_);
    return found == connections_.end() ? nullptr : &found->second;
}

Connection* HostModel::Find(uint32_t id) {
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

const RunningSend* HostModel::NthSendTo(uint32_t id, const std::string& nick, uint32_t n) const {
    uint32_t seen = 0;
    for (const RunningSend& send : sends_)
        if (send.ConnectionId == id && SameName(send.Nick, nick) && ++seen == n) return &send;
    return nullptr;
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
    if (n == 0) {
        value = std::to_string(sends_.size());
        return property.empty();
    }
    if (n > sends_.size()) {
        value.clear();
        return true;
    }
    const RunningSend& send = sends_[n - 1];
    if (property.empty()) value = send.Nick;
    else if (property == "cps") value = std::to_string(send.Cps);
    else if (property == "file") value = send.Path;
    else if (property == "cid") value = std::to_string(send.ConnectionId);
    else return false;
    return true;
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
        uint32_t shared = 0;
        if (const Connection* connection = connections_.count(id) ? &connections_.at(id) : nullptr)
            for (const Channel& c : connection->Channels)
                for (const ChannelUser& user : c.Users)
                    if (SameName(user.Nick, argument(1))) ++shared;
        value = std::to_string(shared);
        return args.size() == 2;
    }
    if (Calls(name, qvs::kGetOpStatusFormat) || Calls(name, qvs::kGetVoiceStatusFormat)) {
        const ChannelUser* user = FindUser(id, argument(1), argument(2));
        bool on = user && (Calls(name, qvs::kGetOpStatusFormat) ? user->Op : user->Voice);
        value = on ? "1" : "";
        return args.size() == 3;
    }
    if (Calls(name, qvs::kGetSendCountPerNickFormat)) {
        uint32_t count = 0;
        while (NthSendTo(id, argument(1), count + 1)) ++count;
        value = std::to_string(count);
        return args.size() == 2;
    }
    if (Calls(name, qvs::kGetSendPathNameFormat) || Calls(name, qvs::kGetSendFileNameFormat) ||
        Calls(name, qvs::kGetSendCpsForNickFormat)) {
        const RunningSend* send = NthSendTo(id, argument(1), Number32(argument(2)));
        if (!send) value.clear();
        else if (Calls(name, qvs::kGetSendPathNameFormat)) value = FolderOf(send->Path);
        else if (Calls(name, qvs::kGetSendFileNameFormat)) value = FileOf(send->Path);
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
