#include "panel/framework/ui_calls.h"

#include <memory>

namespace qvs {

using PostedCall = std::function<void()>;

bool IsWindowThread(HWND window) { return GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId(); }

bool RunOnWindowThread(HWND window, std::function<void()> call) {
    if (window && IsWindowThread(window)) {
        call();
        return true;
    }
    auto posted = std::make_unique<PostedCall>(std::move(call));
    if (!window || !PostMessageA(window, kUiCall, 0, reinterpret_cast<LPARAM>(posted.get()))) return false;
    posted.release();
    return true;
}

void RunPostedCall(LPARAM call) {
    std::unique_ptr<PostedCall> owned(reinterpret_cast<PostedCall*>(call));
    if (owned && *owned) (*owned)();
}

void DropPostedCalls(HWND window) {
    MSG message;
    while (PeekMessageA(&message, window, kUiCall, kUiCall, PM_REMOVE)) delete reinterpret_cast<PostedCall*>(message.lParam);
}

}  // namespace qvs
