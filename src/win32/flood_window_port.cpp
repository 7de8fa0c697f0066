#include "win32/flood_window_port.h"

namespace qvs {

void RegisterFloodWindowClass(HINSTANCE instance) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = DefWindowProcA;  // pacing runs on thread timers
    windowClass.hInstance = instance;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kFloodWindowClass;
    RegisterClassExA(&windowClass);
}

void UnregisterFloodWindowClass(HINSTANCE instance) { UnregisterClassA(kFloodWindowClass, instance); }

WindowHandle FloodWindowPort::CreateFloodWindow(Connection* connection) {
    HWND panel = panel_.load();
    if (!panel) return 0;
    HWND window = CreateWindowExA(0, kFloodWindowClass, "", WS_CHILD, 0, 0, 0, 0, panel, nullptr, instance_, nullptr);
    if (!window) return 0;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(connection));
    return reinterpret_cast<WindowHandle>(window);
}

void FloodWindowPort::DestroyFloodWindow(WindowHandle handle) {
    HWND window = reinterpret_cast<HWND>(handle);
    if (IsWindow(window) && GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId()) DestroyWindow(window);
}

}  // namespace qvs
