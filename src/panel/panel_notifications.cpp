#include "panel/panel_notifications.h"

#include "model/module_state.h"
#include "panel/panel_resource.h"

namespace qvs {

int PanelNotifications::ShowMessage(const char* text, uint32_t icon) {
    UINT buttons = icon == kIconQuestion ? MB_YESNO : MB_OK;
    return MessageBoxA(panel_.load(), text, kAppName, icon | buttons);
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
