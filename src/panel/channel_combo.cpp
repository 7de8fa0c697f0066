#include "panel/channel_combo.h"

#include "panel/panel_window_resource.h"

namespace qvs {

void FillChannelCombo(ModuleState& state, HWND panel) {
    HWND combo = GetDlgItem(panel, IDC_CHANNEL_COMBO);
    SetFocus(combo);
    for (ChannelConfig* config = state.ChannelConfigs.Head; config; config = config->Next) {
        LRESULT index = SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(config->ChannelName.c_str()));
        if (index >= 0) SendMessageA(combo, CB_SETITEMDATA, index, reinterpret_cast<LPARAM>(config));
    }
}

}  // namespace qvs
