#include "panel/managers/manager_window.h"

namespace qvs {

void ManagerWindow::Present(HINSTANCE instance, HWND panel) {
    HWND window = CreateModeless(instance, panel);
    if (!window) return;
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
}

// The close box and Escape arrive as Cancel.
bool ManagerWindow::OnCommand(int id, int) {
    if (id != IDCANCEL) return false;
    ShowWindow(Window(), SW_HIDE);
    return true;
}

}  // namespace qvs
