// No drawing of a window and its children while several of them change at
// once (the pages refilled for another channel, tabs rebuilt); the whole of
// it is drawn once at the end. Only for windows that stay visible: the
// platform marks a window visible again when its drawing resumes.
#pragma once
#include "win32/windows_api.h"

namespace qvs {

class RedrawSuspended {
public:
    explicit RedrawSuspended(HWND window) : window_(window) { SendMessageA(window_, WM_SETREDRAW, FALSE, 0); }
    ~RedrawSuspended() {
        SendMessageA(window_, WM_SETREDRAW, TRUE, 0);
        RedrawWindow(window_, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
    }
    RedrawSuspended(const RedrawSuspended&) = delete;
    RedrawSuspended& operator=(const RedrawSuspended&) = delete;

private:
    HWND window_;
};

}  // namespace qvs
