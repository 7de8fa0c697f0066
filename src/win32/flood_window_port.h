// WindowPort: the hidden per-connection windows of class
// "ExcessFloodWndClass", children of the panel, user data the Connection.
#pragma once
#include "win32/windows_api.h"

#include <atomic>

#include "ports/window_port.h"

namespace qvs {

constexpr char kFloodWindowClass[] = "ExcessFloodWndClass";

// Registered and unregistered by the UI thread with the panel's class: a
// class left registered after the module is unloaded would point into
// nothing.
void RegisterFloodWindowClass(HINSTANCE instance);
void UnregisterFloodWindowClass(HINSTANCE instance);

class FloodWindowPort final : public WindowPort {
public:
    FloodWindowPort(const HINSTANCE& instance, const std::atomic<HWND>& panel) : instance_(instance), panel_(panel) {}
    // Zero when there is no panel to hold the window.
    WindowHandle CreateFloodWindow(Connection* connection) override;
    // Only the UI thread can destroy its windows; elsewhere they are already
    // gone with that thread.
    void DestroyFloodWindow(WindowHandle window) override;

private:
    const HINSTANCE& instance_;
    const std::atomic<HWND>& panel_;
};

}  // namespace qvs
