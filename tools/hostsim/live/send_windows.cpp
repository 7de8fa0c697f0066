#include "live/send_windows.h"

#include <iterator>

#include "host_model.h"

namespace hostsim::live {

SendWindow& SendWindows::Open(uint32_t id, const std::string& nick, const std::string& path) {
    auto window = std::make_unique<SendWindow>();
    window->ConnectionId = id;
    window->Nick = nick;
    window->Path = path;
    windows_.push_back(std::move(window));
    return *windows_.back();
}

const SendWindow* SendWindows::At(std::size_t n) const {
    if (n == 0 || n > windows_.size()) return nullptr;
    return std::next(windows_.begin(), static_cast<long>(n - 1))->get();
}

uint32_t SendWindows::CountFor(uint32_t id, const std::string& nick) const {
    uint32_t count = 0;
    for (const auto& window : windows_) count += window->ConnectionId == id && SameName(window->Nick, nick);
    return count;
}

SendWindow* SendWindows::NthFor(uint32_t id, const std::string& nick, uint32_t n) {
    uint32_t seen = 0;
    for (auto& window : windows_)
        if (window->ConnectionId == id && SameName(window->Nick, nick) && ++seen == n) return window.get();
    return nullptr;
}

bool SendWindows::Close(uint32_t id, const std::string& nick, uint32_t n, std::unique_ptr<SendWindow>& closed) {
    SendWindow* found = NthFor(id, nick, n);
    for (auto it = windows_.begin(); found && it != windows_.end(); ++it)
        if (it->get() == found) {
            closed = std::move(*it);
            windows_.erase(it);
            closed->Transfer.Abort();
            return true;
        }
    return false;
}

void SendWindows::Rename(uint32_t id, const std::string& from, const std::string& to) {
    for (auto& window : windows_)
        if (window->ConnectionId == id && SameName(window->Nick, from)) window->Nick = to;
}

bool SendWindows::AnyActive() const {
    for (const auto& window : windows_)
        if (window->Transfer.Status() == SendStatus::Active) return true;
    return false;
}

void SendWindows::DropSent() {
    windows_.remove_if([](const std::unique_ptr<SendWindow>& window) {
        return window->Reported && window->Transfer.Status() == SendStatus::Sent;
    });
}

}  // namespace hostsim::live
