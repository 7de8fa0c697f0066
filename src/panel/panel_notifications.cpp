#include "panel/panel_notifications.h"

#include "model/module_state.h"
#include "panel/panel_window_resource.h"

namespace qvs {

int PanelNotifications::ShowMessage(const char* text, uint32_t icon) {
    // A question not asked is answered No: nothing is deleted on a box the
    // operator never saw.
    bool question = icon == kIconQuestion;
    UINT buttons = question ? MB_YESNO : MB_OK;
    return boxes_.Show(panel_.load(), kAppName, text, icon | buttons, question ? kAnswerNo : kAnswerOk);
}

ChannelConfig* PanelNotifications::SelectedChannel() {
    HWND combo = GetDlgItem(panel_.load(), IDC_CHANNEL_COMBO);
    if (!combo) return nullptr;
    LRESULT selected = SendMessageA(combo, CB_GETCURSEL, 0, 0);
    if (selected == CB_ERR) return nullptr;
    LRESULT data = SendMessageA(combo, CB_GETITEMDATA, selected, 0);
    return data == CB_ERR ? nullptr : reinterpret_cast<ChannelConfig*>(data);
}

}  // namespace qvs
