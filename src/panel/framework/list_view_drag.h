// Dragging a list view row onto another: the row's drag image follows the
// mouse, which the dialog holds until the button goes up. The dialog starts
// it on LVN_BEGINDRAG and hands it its WM_MOUSEMOVE and WM_LBUTTONUP.
#pragma once
#include "win32/windows_api.h"

#include <commctrl.h>

namespace qvs {

class ListViewDrag {
public:
    ~ListViewDrag() { Cancel(); }
    void Begin(HWND dialog, const NMLISTVIEW& notice);
    bool Active() const { return view_ != nullptr; }
    // point in the dialog's client coordinates, as its mouse messages carry it.
    void Move(POINT point);
    // Ends the drag: the row dropped on, or -1 (dropped outside any row).
    int Drop(POINT point);
    int DraggedRow() const { return row_; }
    void Cancel();

private:
    int RowAt(POINT point) const;
    POINT InView(POINT point) const;

    HWND dialog_ = nullptr;
    HWND view_ = nullptr;
    int row_ = -1;
    HIMAGELIST image_ = nullptr;
};

}  // namespace qvs
