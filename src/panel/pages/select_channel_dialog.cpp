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

bool SelectChannelDialog::OnInit() {
    HWND list = Item(IDC_SELECT_CHANNEL_LIST);
    for (const std::string& label : labels_) SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(label.c_str()));
    SendMessageA(list, LB_SETCURSEL, 0, 0);
    return true;
}

// A double click on an item chooses it as "OK" does.
bool SelectChannelDialog::OnCommand(int id, int code) {
    bool chosen = id == IDOK || (id == IDC_SELECT_CHANNEL_LIST && code == LBN_DBLCLK);
    if (chosen) {
        chosen_ = static_cast<int>(SendMessageA(Item(IDC_SELECT_CHANNEL_LIST), LB_GETCURSEL, 0, 0));
        End(IDOK);
    }
    if (id == IDCANCEL) End(IDCANCEL);
    return chosen || id == IDCANCEL;
}

}  // namespace qvs
