#include "panel/channel_combo.h"

#include <string>

#include "model/names.h"
#include "panel/panel_window_resource.h"

namespace qvs {
namespace {

std::string ItemText(HWND combo, int index) {
    LRESULT length = SendMessageA(combo, CB_GETLBTEXTLEN, index, 0);
    if (length == CB_ERR) return std::string();
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    SendMessageA(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(&text[0]));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

}  // namespace

void FillChannelCombo(ModuleState& state, HWND panel) {
    HWND combo = GetDlgItem(panel, IDC_CHANNEL_COMBO);
    SetFocus(combo);
    for (ChannelConfig* config = state.ChannelConfigs.Head; config; config = config->Next) {
        LRESULT index = SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(config->ChannelName.c_str()));
        if (index >= 0) SendMessageA(combo, CB_SETITEMDATA, index, reinterpret_cast<LPARAM>(config));
    }
}

ChannelConfig* ComboChannel(HWND combo) {
    LRESULT selected = SendMessageA(combo, CB_GETCURSEL, 0, 0);
    if (selected == CB_ERR) return nullptr;
    LRESULT data = SendMessageA(combo, CB_GETITEMDATA, selected, 0);
    return data == CB_ERR ? nullptr : reinterpret_cast<ChannelConfig*>(data);
}

bool ComboHasName(HWND combo, const char* name) {
    int count = static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i)
        if (NamesEqual(ItemText(combo, i).c_str(), name)) return true;
    return false;
}

void PlaceComboItem(HWND combo, int index, ChannelConfig* config, bool replace) {
    if (replace) SendMessageA(combo, CB_DELETESTRING, index, 0);
    LRESULT placed = SendMessageA(combo, CB_INSERTSTRING, index, reinterpret_cast<LPARAM>(config->ChannelName.c_str()));
    if (placed < 0) return;
    SendMessageA(combo, CB_SETITEMDATA, placed, reinterpret_cast<LPARAM>(config));
    SendMessageA(combo, CB_SETCURSEL, placed, 0);
}

}  // namespace qvs
