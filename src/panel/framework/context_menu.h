// Popup menus on a right click or the keyboard's menu key. The platform
// sends WM_CONTEXTMENU to the window under the click, and a list view
// passes it on to its dialog; the dialog asks here where to show the menu
// and lets the operator choose.
#pragma once
#include "win32/windows_api.h"

namespace qvs {

struct MenuItemState {
    UINT Command;
    bool Enabled;
};

// The screen point of a WM_CONTEXTMENU for a list view: the click, or for
// the keyboard (-1, -1) the first selected row (the view's corner when none).
POINT ContextMenuPoint(HWND view, LPARAM where);
void SetMenuItemStates(HMENU menu, const MenuItemState* items, int count);
template <int N>
void SetMenuItemStates(HMENU menu, const MenuItemState (&items)[N]) {
    SetMenuItemStates(menu, items, N);
}
// Shows the menu at the point and waits for the choice: its command, or 0
// when the operator chose nothing.
UINT ChooseFromMenu(HMENU menu, HWND owner, POINT at);

}  // namespace qvs
