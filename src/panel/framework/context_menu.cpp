#include "panel/framework/context_menu.h"

#include <commctrl.h>
#include <windowsx.h>

namespace qvs {

POINT ContextMenuPoint(HWND view, LPARAM where) {
    POINT at{GET_X_LPARAM(where), GET_Y_LPARAM(where)};
    if (at.x != -1 || at.y != -1) return at;
    RECT place{};
    int row = static_cast<int>(SendMessageA(view, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    place.left = LVIR_BOUNDS;
    if (row < 0 || !SendMessageA(view, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&place))) place = RECT{};
    at = POINT{place.left, place.bottom};
    ClientToScreen(view, &at);
    return at;
}

void SetMenuItemStates(HMENU menu, const MenuItemState* items, int count) {
    for (int i = 0; i < count; ++i)
        EnableMenuItem(menu, items[i].Command, MF_BYCOMMAND | (items[i].Enabled ? MF_ENABLED : MF_GRAYED));
}

UINT ChooseFromMenu(HMENU menu, HWND owner, POINT at) {
    // The owner comes to the front first, or the menu would not close when
    // the operator clicks elsewhere.
    SetForegroundWindow(owner);
    UINT chosen = static_cast<UINT>(
        TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x, at.y, 0, owner, nullptr));
    PostMessageA(owner, WM_NULL, 0, 0);
    return chosen;
}

}  // namespace qvs
