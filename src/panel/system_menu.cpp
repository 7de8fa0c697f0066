#include "panel/system_menu.h"

#include "panel/about_dialog.h"
#include "panel/framework/panel_state.h"
#include "panel/panel_window_resource.h"

namespace qvs {

void AppendSystemMenuItems(HWND panel) {
    HMENU menu = GetSystemMenu(panel, FALSE);
    if (!menu) return;
    AppendMenuA(menu, MF_STRING | MF_MENUBREAK, 0, "");
    AppendMenuA(menu, MF_STRING, IDM_RESTORE_SIZE, "Restore size");
    AppendMenuA(menu, MF_STRING | MF_MENUBREAK, 0, "");
    AppendMenuA(menu, MF_STRING, IDM_ABOUT, "About...");
}

bool HandleSystemCommand(HINSTANCE instance, HWND panel, const PanelState& ui, AboutDialog& about, WPARAM command) {
    switch (command) {
        case IDM_RESTORE_SIZE:
            ShowWindow(panel, SW_RESTORE);
            MoveWindow(panel, 0, 0, ui.InitialWidth, ui.InitialHeight, TRUE);
            return true;
        case IDM_ABOUT: about.RunModal(instance, panel); return true;
        default: break;
    }
    // The low four bits of the platform's own commands are its own.
    if ((command & 0xFFF0) != SC_CLOSE) return false;
    ShowWindow(panel, SW_HIDE);
    return true;
}

}  // namespace qvs
