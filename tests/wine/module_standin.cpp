// A stand-in for qvs.dll in the relay check: it answers GethWnd with the
// window the check names, so the check sees everything the relay posts.
#include <windows.h>

namespace {
HWND g_panel = nullptr;
}

extern "C" {

HWND WINAPI GethWnd() { return g_panel; }

void WINAPI SetPanel(HWND panel) { g_panel = panel; }

}
