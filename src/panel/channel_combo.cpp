#include "panel/channel_combo.h"

#include "panel/panel_window_resource.h"

namespace qvs {

void FillChannelCombo(ModuleState& state, HWND panel) {
    HWND combo = GetDlgItem(panel, IDC_CHANNEL_COMBO);
    SetFocus(combo);
    SendMessageA(combo, CB_RESETCONTENT, 0, 0);
    for (ChannelConfig* config = state.ChannelConfigs.Head; config; config = config->Next) {
        LRESULT index = SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(config->ChannelName.c_str()));
        if (index >= 0) SendMessageA(combo, CB_SETITEMDATA, index, reinterpret_cast<LPARAM>(config));
    }
}

void SelectChannelInCombo(HWND panel, const ChannelConfig* config) {
    HWND combo = GetDlgItem(panel, IDC_CHANNEL_COMBO);
    int count = static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0));
    for (int item = 0; item < count; ++item)
        if (reinterpret_cast<const ChannelConfig*>(SendMessageA(combo, CB_GETITEMDATA, item, 0)) == config)
            SendMessageA(combo, CB_SETCURSEL, item, 0);
}

ChannelConfig* ChannelInCombo(HWND panel) {
    HWND combo = GetDlgItem(panel, IDC_CHANNEL_COMBO);
    LRESULT item = SendMessageA(combo, CB_GETCURSEL, 0, 0);
    return item < 0 ? nullptr : reinterpret_cast<ChannelConfig*>(SendMessageA(combo, CB_GETITEMDATA, item, 0));
}

}  // namespace qvs
