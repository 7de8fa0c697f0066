#include "panel/pages/select_channel_dialog.h"

#include "panel/pages/select_channel_dialog_resource.h"

namespace qvs {

SelectChannelDialog::SelectChannelDialog() : DialogBase(IDD_SELECT_CHANNEL) {}

int SelectChannelDialog::Choose(HINSTANCE instance, HWND owner, const std::vector<std::string>& labels) {
    if (IsOpen()) return -1;
    labels_ = labels;
    chosen_ = -1;
    bool accepted = RunModal(instance, owner) == IDOK;
    labels_.clear();
    return accepted ? chosen_ : -1;
}

// The items keep the order of the labels: CBS_SORT is not set.
bool SelectChannelDialog::OnInit() {
    HWND list = Item(IDC_SELECT_CHANNEL_LIST);
    for (const std::string& label : labels_) SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(label.c_str()));
    SendMessageA(list, CB_SETCURSEL, 0, 0);
    return true;
}

bool SelectChannelDialog::OnCommand(int id, int) {
    if (id == IDOK) chosen_ = static_cast<int>(SendMessageA(Item(IDC_SELECT_CHANNEL_LIST), CB_GETCURSEL, 0, 0));
    if (id == IDOK || id == IDCANCEL) End(id);
    return id == IDOK || id == IDCANCEL;
}

}  // namespace qvs
