// What the simulated host knows: connections with their network and own
// nick, channels with their nicks and modes, DCC send windows, the clock of
// $ctime, and answers the scenario sets by hand. It answers the host's
// identifiers and, unless the companion script itself is followed, the
// script's from that, as the script answers them.
#pragma once
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "send_windows.h"

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
    // Connection id (0: the active one), or null.
    const Connection* Find(uint32_t id) const;
    const Channel* FindChannel(uint32_t id, const std::string& name) const;
    const ChannelUser* FindUser(uint32_t id, const std::string& channel, const std::string& nick) const;
    uint32_t Active() const { return active_; }
    // Connection ids in the host's order.
    std::vector<uint32_t> ConnectionIds() const;
    // Channels of that connection the nick is in.
    uint32_t SharedChannels(uint32_t id, const std::string& nick) const;

    SendWindows& Sends() { return sends_; }
    const SendWindows& Sends() const { return sends_; }
    // The n-th window of the nick (from 1) on connection id (0: the active
    // one) is closed; false when there is none.
    bool CloseSend(uint32_t id, const std::string& nick, uint32_t n);
    uint64_t Ctime() const { return ctime_; }

    void SetCtime(uint64_t seconds) { ctime_ = seconds; }
    void Override(const std::string& identifier, const std::string& value);
    void Refuse(const std::string& identifier);

    // The answer set by hand for this exact text: Refused, Set, or None.
    enum class Preset { None, Set, Refused };
    Preset FindPreset(const std::string& identifier, std::string& value) const;
    // True with the value when the host would answer the identifier.
    bool Evaluate(const std::string& identifier, std::string& value) const;

private:
    Connection* FindToChange(uint32_t id);
    const SendWindow* RunningSendTo(uint32_t id, const std::string& nick, uint32_t n) const;
    bool EvaluateCall(const std::string& name, const std::vector<std::string>& args, const std::string& property,
                      std::string& value) const;
    bool EvaluateSend(const std::vector<std::string>& args, const std::string& property, std::string& value) const;
    bool EvaluateScid(const std::vector<std::string>& args, const std::string& property, std::string& value) const;

    std::map<uint32_t, Connection> connections_;
    uint32_t active_ = 0;
    SendWindows sends_;
    uint64_t ctime_ = 1772874303;  // 2026-03-07 09:05:03 UTC
    std::map<std::string, std::string> overrides_;
    std::set<std::string> refused_;
};

}  // namespace hostsim
