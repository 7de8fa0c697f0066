#include "panel/panel_window.h"

#include <commctrl.h>

#include "hostlink/flood_windows.h"
#include "intake/server_events.h"
#include "intake/unload.h"
#include "panel/channel_combo.h"
#include "panel/panel_resource.h"
#include "panel/system_menu.h"
#include "panel/tab_pages.h"
#include "win32/shell.h"

namespace qvs {
namespace {

LRESULT OnCreate(Shell& shell, HWND panel) {
    shell.Panel.store(panel);
    shell.PanelUi.Modeless[kPanelWindow] = panel;
    CreatePopupMenus(shell.PanelUi.Menus);
    StartPeriodicTimers(shell.State, shell.PanelUi.Timers);
    SetWindowTextA(panel, kAppName);
    return 0;
}

void OnDestroy(Shell& shell) {
    StopPanelTimers(shell.State, shell.PanelUi.Timers);
    ForgetFloodWindows(shell.State);
    PostQuitMessage(0);
    for (HWND& window : shell.PanelUi.Modeless) window = nullptr;
    shell.PanelUi.RegularQueuePage = nullptr;
    shell.Panel.store(nullptr);
}

void OnUnloadRequest(Shell& shell, HWND panel) {
    PrepareUnload(shell.State);
    shell.UnloadPrepared.store(true);
    SendMessageA(panel, WM_CLOSE, 0, 0);
}

bool IsServerEvent(UINT message) { return message >= kEventJoin && message <= kEventClosePanel; }

LRESULT OnServerEvent(Shell& shell, HWND panel, UINT message, WPARAM first, LPARAM second) {
    switch (HandleServerEvent(shell.State, message, first, static_cast<uintptr_t>(second))) {
        case EventResult::Handled: return 0;
        case EventResult::ClosePanel: DestroyWindow(panel); return 0;
        case EventResult::NotOurs: break;
    }
    return DefWindowProcA(panel, message, first, second);
}

// Empty parts of the panel drag it like its caption.
LRESULT OnHitTest(HWND panel, WPARAM first, LPARAM second) {
    LRESULT hit = DefWindowProcA(panel, WM_NCHITTEST, first, second);
    return hit == HTCLIENT ? HTCAPTION : hit;
}

void OnNotify(const NMHDR& notice) {
    if (notice.idFrom == IDC_MAIN_TAB && notice.code == static_cast<UINT>(TCN_SELCHANGE)) ShowSelectedPage(notice.hwndFrom);
}

LRESULT HandlePanelMessage(Shell& shell, HWND panel, UINT message, WPARAM first, LPARAM second) {
    if (IsServerEvent(message)) return OnServerEvent(shell, panel, message, first, second);
    switch (message) {
        case WM_CREATE: return OnCreate(shell, panel);
        case WM_DESTROY: OnDestroy(shell); return 0;
        case WM_NCHITTEST: return OnHitTest(panel, first, second);
        case WM_SYSCOMMAND:
            if (HandleSystemCommand(shell.Instance, panel, shell.PanelUi, first)) return 0;
            break;
        case WM_NOTIFY: OnNotify(*reinterpret_cast<const NMHDR*>(second)); return 0;
        case kUnloadRequest: OnUnloadRequest(shell, panel); return 0;
        default: break;
    }
    return DefWindowProcA(panel, message, first, second);
}

LRESULT CALLBACK PanelProc(HWND panel, UINT message, WPARAM first, LPARAM second) {
    try {
        return HandlePanelMessage(TheShell(), panel, message, first, second);
    } catch (...) {
        return 0;
    }
}

}  // namespace

void RegisterPanelClass(HINSTANCE instance) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = PanelProc;
    windowClass.cbWndExtra = DLGWINDOWEXTRA;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kPanelClass;
    RegisterClassExA(&windowClass);
}

void UnregisterPanelClass(HINSTANCE instance) { UnregisterClassA(kPanelClass, instance); }

HWND OpenPanel(Shell& shell) {
    HWND panel = CreateDialogParamA(shell.Instance, MAKEINTRESOURCEA(IDD_PANEL), shell.HostWindow.load(), nullptr, 0);
    if (!panel) return nullptr;
    HICON icon = LoadIconA(shell.Instance, MAKEINTRESOURCEA(IDI_QVS));
    SendMessageA(panel, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    RECT frame{};
    GetWindowRect(panel, &frame);
    shell.PanelUi.InitialWidth = frame.right - frame.left;
    shell.PanelUi.InitialHeight = frame.bottom - frame.top;
    AppendSystemMenuItems(panel);
    CreateTabPages(shell.Instance, panel, shell.PanelUi);
    FillChannelCombo(shell.State, panel);
    HWND mainTab = GetDlgItem(panel, IDC_MAIN_TAB);
    SetWindowLongPtrA(mainTab, GWL_EXSTYLE, GetWindowLongPtrA(mainTab, GWL_EXSTYLE) | WS_EX_CONTROLPARENT);
    ReopenFloodWindows(shell.State);
    return panel;
}

}  // namespace qvs
