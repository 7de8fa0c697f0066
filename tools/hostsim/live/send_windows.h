// The host's DCC send windows. A window stays listed after its send ended
// ("sent" or "failed") until it is closed; a nick's windows on a connection
// are numbered from 1 in the host's order, counting every one of them, as
// "/close -sN nick" counts them.
#pragma once
#include <cstdint>
#include <list>
#include <memory>
#include <string>

#include "live/dcc_send.h"

namespace hostsim::live {

struct SendWindow {
    uint32_t ConnectionId = 0;
    std::string Nick;
    std::string Path;  // full path, the module's single-byte text
    DccSend Transfer;
    bool Reported = false;  // its end went to the relay
};

class SendWindows {
public:
    SendWindow& Open(uint32_t id, const std::string& nick, const std::string& path);
    std::size_t Count() const { return windows_.size(); }
    // The n-th window of all (from 1), or null.
    const SendWindow* At(std::size_t n) const;
    uint32_t CountFor(uint32_t id, const std::string& nick) const;
    SendWindow* NthFor(uint32_t id, const std::string& nick, uint32_t n);
    // Removes the window after ending its send; false when there is none.
    bool Close(uint32_t id, const std::string& nick, uint32_t n, std::unique_ptr<SendWindow>& closed);
    // "/dcc nick -s old new": the nick's windows follow the nick change.
    void Rename(uint32_t id, const std::string& from, const std::string& to);
    // Calls ended(window) once for every send that ended since the last call.
    template <typename Ended>
    void Poll(uint64_t now, Ended ended) {
        for (auto& window : windows_)
            if (window->Transfer.Poll(now) && !window->Transfer.Running() && !window->Reported) {
                window->Reported = true;
                ended(*window);
            }
    }
    bool AnyActive() const;
    // Closes the windows whose send completed.
    void DropSent();

private:
    std::list<std::unique_ptr<SendWindow>> windows_;
};

}  // namespace hostsim::live
