#include "script_world.h"

#include <cstdlib>

namespace hostsim {
namespace {

constexpr char kHostVersion[] = "7.64";

uint32_t Number(const std::string& text) { return static_cast<uint32_t>(std::strtoul(text.c_str(), nullptr, 10)); }

std::string Joined(const std::vector<std::string>& words, std::size_t from) {
    std::string text;
    for (std::size_t i = from; i < words.size(); ++i) text += (i > from ? " " : "") + words[i];
    return text;
}

std::string Unquoted(const std::string& text) {
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"') return text.substr(1, text.size() - 2);
    return text;
}

// The n-th of a count or a list: "0" asks for the count.
template <typename Items, typename NameOf>
std::string NthOrCount(const Items& items, const std::string& which, NameOf nameOf) {
    uint32_t n = Number(which);
    if (n == 0) return std::to_string(items.size());
    return n <= items.size() ? nameOf(items[n - 1]) : std::string();
}

}  // namespace

bool HostScriptWorld::Identifier(const std::string& name, const std::vector<std::string>& args,
                                 const std::string& property, uint32_t active, std::string& value) {
    value.clear();
    if (name == "dll" && args.size() == 3 && Dll) value = Dll(args[0], args[1], args[2]);
    else if (name == "isfile") value = !args.empty() && IsFile && IsFile(args[0]) ? "$true" : "$false";
    else if (name == "lock") value = "$false";
    else if (name == "ctime") value = std::to_string(model_.Ctime());
    else if (name == "version") value = kHostVersion;
    else if (name == "scriptdir") value.clear();
    else if (name == "send") {
        uint32_t n = args.empty() ? 0 : Number(args[0]);
        if (n == 0) value = std::to_string(model_.Sends().Count());
        else model_.Sends().Property(n, property, value);
    } else return ConnectionIdentifier(name, args, property, active, value) ||
                  ChannelIdentifier(name, args, active, value);
    return true;
}

bool HostScriptWorld::ConnectionIdentifier(const std::string& name, const std::vector<std::string>& args,
                                           const std::string& property, uint32_t active, std::string& value) const {
    const Connection* connection = model_.Find(active);
    if (name == "me") value = connection ? connection->Me : std::string();
    else if (name == "network") value = connection ? connection->Network : std::string();
    else if (name == "status") value = connection ? "connected" : "disconnected";
    else if (name == "scon") value = NthOrCount(model_.ConnectionIds(), args.empty() ? "0" : args[0],
                                                [](uint32_t id) { return std::to_string(id); });
    else if (name == "scid") {
        uint32_t id = args.empty() ? 0 : Number(args[0]);
        const Connection* named = id ? model_.Find(id) : nullptr;
        if (!named) value.clear();
        else if (property == "network") value = named->Network;
        else if (property == "me" || property == "$me") value = named->Me;
        else value = std::to_string(id);
    } else return false;
    return true;
}

bool HostScriptWorld::ChannelIdentifier(const std::string& name, const std::vector<std::string>& args,
                                        uint32_t active, std::string& value) const {
    const Connection* connection = model_.Find(active);
    auto arg = [&](std::size_t i) { return i < args.size() ? args[i] : std::string(); };
    if (name == "chan") {
        value = connection ? NthOrCount(connection->Channels, arg(0), [](const Channel& c) { return c.Name; })
                           : std::string();
    } else if (name == "nick") {
        const Channel* channel = model_.FindChannel(active, arg(0));
        value = channel ? NthOrCount(channel->Users, arg(1), [](const ChannelUser& u) { return u.Nick; }) : "";
    } else if (name == "comchan") {
        std::vector<std::string> shared;
        if (connection)
            for (const Channel& c : connection->Channels)
                if (model_.FindUser(active, c.Name, arg(0))) shared.push_back(c.Name);
        value = NthOrCount(shared, arg(1), [](const std::string& c) { return c; });
    } else return false;
    return true;
}

bool HostScriptWorld::HasMode(const std::string& mode, const std::string& nick, const std::string& channel,
                              uint32_t active) {
    const ChannelUser* user = model_.FindUser(active, channel, nick);
    return user && (mode == "isop" ? user->Op : user->Voice);
}

void HostScriptWorld::Command(const std::string& name, const std::vector<std::string>& words, uint32_t& active) {
    Commands.push_back(name + (words.empty() ? "" : " " + Joined(words, 0)));
    if (name == "scid" && !words.empty() && model_.Find(Number(words[0]))) active = Number(words[0]);
    else if (name == "scon" && !words.empty()) {
        std::vector<uint32_t> ids = model_.ConnectionIds();
        uint32_t n = Number(words[0]);
        if (n >= 1 && n <= ids.size()) active = ids[n - 1];
    } else if (name == "dcc") Dcc(words, active);
    else if (name == "close" && words.size() == 2 && words[0].compare(0, 2, "-s") == 0)
        model_.CloseSend(active, words[1], Number(words[0].substr(2)));
}

// "dcc send [-switches] nick path" opens a window; "dcc nick -s old new"
// moves the old nick's send windows.
void HostScriptWorld::Dcc(const std::vector<std::string>& words, uint32_t active) {
    if (words.size() >= 3 && words[0] == "send") {
        std::size_t nickAt = words[1].compare(0, 1, "-") == 0 ? 2 : 1;
        if (words.size() > nickAt + 1) model_.Sends().Open(active, words[nickAt], Unquoted(Joined(words, nickAt + 1)), 0);
    } else if (words.size() == 4 && words[0] == "nick" && words[1] == "-s") {
        model_.Sends().MoveToNick(active, words[2], words[3]);
    }
}

}  // namespace hostsim
