#include "panel/framework/list_view_drag.h"

namespace qvs {

void ListViewDrag::Begin(HWND dialog, const NMLISTVIEW& notice) {
    Cancel();
    dialog_ = dialog;
    view_ = notice.hdr.hwndFrom;
    row_ = notice.iItem;
    POINT origin{};
    image_ = reinterpret_cast<HIMAGELIST>(
        SendMessageA(view_, LVM_CREATEDRAGIMAGE, row_, reinterpret_cast<LPARAM>(&origin)));
    if (image_ && ImageList_BeginDrag(image_, 0, 0, 0)) ImageList_DragEnter(view_, notice.ptAction.x, notice.ptAction.y);
    SetCapture(dialog_);
}

POINT ListViewDrag::InView(POINT point) const {
    MapWindowPoints(dialog_, view_, &point, 1);
    return point;
}

int ListViewDrag::RowAt(POINT point) const {
    LVHITTESTINFO hit{};
    hit.pt = InView(point);
    int row = static_cast<int>(SendMessageA(view_, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    return (hit.flags & LVHT_ONITEM) ? row : -1;
}

void ListViewDrag::Move(POINT point) {
    if (!Active()) return;
    POINT at = InView(point);
    if (image_) ImageList_DragMove(at.x, at.y);
}

int ListViewDrag::Drop(POINT point) {
    if (!Active()) return -1;
    int target = RowAt(point);
    Cancel();
    return target;
}

void ListViewDrag::Cancel() {
    if (!view_) return;
    if (image_) {
        ImageList_DragLeave(view_);
        ImageList_EndDrag();
        ImageList_Destroy(image_);
        image_ = nullptr;
    }
    view_ = nullptr;
    if (GetCapture() == dialog_) ReleaseCapture();
}

}  // namespace qvs
