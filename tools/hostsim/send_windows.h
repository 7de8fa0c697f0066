// The host's DCC send windows as the host keeps them: a send that ends stays
// listed, with status "sent" or "failed", until it is closed, and it stays
// with the nick it was started to unless moved explicitly. "/close -sN nick"
// and "$send(N)" count every window, whatever its status.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace hostsim {

struct SendWindow {
    uint32_t ConnectionId = 0;
    std::string Nick;
    std::string Folder;  // ".path": with its closing backslash
    std::string File;    // ".file": the name only
    uint32_t Cps = 0;
    uint32_t Bytes = 0;  // ".rcvd"
    std::string Status = "active";

    std::string FullPath() const { return Folder + File; }
    bool Running() const { return Status == "active" || Status == "waiting"; }
};

class SendWindows {
public:
    void Open(uint32_t id, const std::string& nick, const std::string& path, uint32_t cps);
    // The running window of that path to that nick ends; false when none runs.
    bool End(uint32_t id, const std::string& nick, const std::string& path, bool completed, uint32_t cps,
             uint32_t bytes);
    // The nick's n-th window (from 1) on that connection is closed; false
    // when there is none.
    bool Close(uint32_t id, const std::string& nick, uint32_t n);
    // "/dcc nick -s": the nick's windows on that connection take the new nick.
    void MoveToNick(uint32_t id, const std::string& from, const std::string& to);
    // The window "$send(n)" names (from 1), or null.
    const SendWindow* At(uint32_t n) const;
    // The running window of that path on that connection, the nick's first.
    const SendWindow* FindRunning(uint32_t id, const std::string& nick, const std::string& path) const;
    const SendWindow* NthTo(uint32_t id, const std::string& nick, uint32_t n) const;
    uint32_t CountTo(uint32_t id, const std::string& nick) const;
    std::size_t Count() const { return windows_.size(); }
    // "$send(n).property"; false for a property the host does not offer.
    bool Property(uint32_t n, const std::string& property, std::string& value) const;

private:
    std::vector<SendWindow> windows_;
};

// Case-insensitive equality, as IRC names and paths compare.
bool SameName(const std::string& a, const std::string& b);

}  // namespace hostsim
