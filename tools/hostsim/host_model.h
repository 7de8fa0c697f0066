// What the simulated host knows: connections with their network and own
// nick, channels with their nicks and modes, running DCC sends, the clock of
// $ctime, and answers the scenario sets by hand. It answers the host's
// identifiers and the companion script's from that.
#pragma once
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace hostsim {

struct ChannelUser {
    std::string Nick;
    bool Op = false;
    bool Voice = false;
};

struct Channel {
    std::string Name;
    std::vector<ChannelUser> Users;  // in join order, the own nick first
};

struct Connection {
    std::string Network;
    std::string Me;
    std::vector<Channel> Channels;
};

struct RunningSend {
    uint32_t ConnectionId = 0;
    std::string Nick;
    std::string Path;  // full path
    uint32_t Cps = 0;
};

class HostModel {
public:
    void Connect(uint32_t id, const std::string& network, const std::string& me);
    void Disconnect(uint32_t id);
    void Join(uint32_t id, const std::string& channel);
    void Part(uint32_t id, const std::string& channel);
    // A user in a channel; an existing one gets the new modes.
    void SetUser(uint32_t id, const std::string& channel, const std::string& nick, bool op, bool voice);
    void RemoveUser(uint32_t id, const std::string& channel, const std::string& nick);
    void RenameUser(uint32_t id, const std::string& from, const std::string& to);
    void SetOwnNick(uint32_t id, const std::string& nick);
    bool Knows(uint32_t id) const { return connections_.count(id) != 0; }
    // The user in the channel, or null.
    const ChannelUser* UserIn(uint32_t id, const std::string& channel, const std::string& nick) const {
        return FindUser(id, channel, nick);
    }

    void StartSend(const RunningSend& send) { sends_.push_back(send); }
    // False when no such send runs.
    bool EndSend(uint32_t id, const std::string& nick, const std::string& path);
    // The n-th send to the nick (from 1) on connection id (0: the active
    // one) is closed; false when there is none.
    bool CloseSend(uint32_t id, const std::string& nick, uint32_t n);
    std::size_t SendCount() const { return sends_.size(); }

    void SetCtime(uint64_t seconds) { ctime_ = seconds; }
    void Override(const std::string& identifier, const std::string& value);
    void Refuse(const std::string& identifier);

    // True with the value when the host would answer the identifier.
    bool Evaluate(const std::string& identifier, std::string& value) const;

private:
    const Connection* Find(uint32_t id) const;
    Connection* Find(uint32_t id);
    const Channel* FindChannel(uint32_t id, const std::string& name) const;
    const ChannelUser* FindUser(uint32_t id, const std::string& channel, const std::string& nick) const;
    const RunningSend* NthSendTo(uint32_t id, const std::string& nick, uint32_t n) const;
    bool EvaluateCall(const std::string& name, const std::vector<std::string>& args, const std::string& property,
                      std::string& value) const;
    bool EvaluateSend(const std::vector<std::string>& args, const std::string& property, std::string& value) const;
    bool EvaluateScid(const std::vector<std::string>& args, const std::string& property, std::string& value) const;

    std::map<uint32_t, Connection> connections_;
    uint32_t active_ = 0;
    std::vector<RunningSend> sends_;
    uint64_t ctime_ = 1772874303;  // 2026-03-07 09:05:03 UTC
    std::map<std::string, std::string> overrides_;
    std::set<std::string> refused_;
};

// Case-insensitive equality, as IRC names compare.
bool SameName(const std::string& a, const std::string& b);

}  // namespace hostsim
