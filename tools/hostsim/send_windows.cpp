#include "send_windows.h"

#include <cctype>

namespace hostsim {
namespace {

constexpr char kFailed[] = "failed";
constexpr char kSent[] = "sent";

std::string FolderOf(const std::string& path) {
    std::size_t slash = path.find_last_of('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string FileOf(const std::string& path) {
    std::size_t slash = path.find_last_of('\\');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

bool SameName(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

void SendWindows::Open(uint32_t id, const std::string& nick, const std::string& path, uint32_t cps) {
    SendWindow window;
    window.ConnectionId = id;
    window.Nick = nick;
    window.Folder = FolderOf(path);
    window.File = FileOf(path);
    window.Cps = cps;
    windows_.push_back(window);
}

bool SendWindows::End(uint32_t id, const std::string& nick, const std::string& path, bool completed, uint32_t cps,
                      uint32_t bytes) {
    for (SendWindow& window : windows_) {
        if (window.ConnectionId != id || !SameName(window.Nick, nick) || !SameName(window.FullPath(), path) ||
            !window.Running())
            continue;
        window.Status = completed ? kSent : kFailed;
        window.Cps = cps;
        window.Bytes = bytes;
        return true;
    }
    return false;
}

bool SendWindows::Close(uint32_t id, const std::string& nick, uint32_t n) {
    const SendWindow* window = NthTo(id, nick, n);
    if (!window) return false;
    windows_.erase(windows_.begin() + (window - windows_.data()));
    return true;
}

void SendWindows::MoveToNick(uint32_t id, const std::string& from, const std::string& to) {
    for (SendWindow& window : windows_)
        if (window.ConnectionId == id && SameName(window.Nick, from)) window.Nick = to;
}

const SendWindow* SendWindows::At(uint32_t n) const { return n >= 1 && n <= windows_.size() ? &windows_[n - 1] : nullptr; }

const SendWindow* SendWindows::FindRunning(uint32_t id, const std::string& nick, const std::string& path) const {
    const SendWindow* found = nullptr;
    for (const SendWindow& window : windows_) {
        if (window.ConnectionId != id || !window.Running() || !SameName(window.FullPath(), path)) continue;
        if (SameName(window.Nick, nick)) return &window;
        if (!found) found = &window;
    }
    return found;
}

const SendWindow* SendWindows::NthTo(uint32_t id, const std::string& nick, uint32_t n) const {
    uint32_t seen = 0;
    for (const SendWindow& window : windows_)
        if (window.ConnectionId == id && SameName(window.Nick, nick) && ++seen == n) return &window;
    return nullptr;
}

uint32_t SendWindows::CountTo(uint32_t id, const std::string& nick) const {
    uint32_t count = 0;
    while (NthTo(id, nick, count + 1)) ++count;
    return count;
}

bool SendWindows::Property(uint32_t n, const std::string& property, std::string& value) const {
    const SendWindow* window = At(n);
    value.clear();
    if (!window) return true;
    if (property.empty()) value = window->Nick;
    else if (property == "cps") value = std::to_string(window->Cps);
    else if (property == "file") value = window->File;
    else if (property == "path") value = window->Folder;
    else if (property == "cid") value = std::to_string(window->ConnectionId);
    else if (property == "status") value = window->Status;
    else if (property == "rcvd") value = std::to_string(window->Bytes);
    else return false;
    return true;
}

}  // namespace hostsim
