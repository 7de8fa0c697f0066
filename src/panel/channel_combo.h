// The panel's channel drop-down: one item per ChannelConfig, in list order,
// with the record as item data.
#pragma once
#include "model/module_state.h"
#include "win32/windows_api.h"

namespace qvs {

// Fills the box and gives it the keyboard focus.
void FillChannelCombo(ModuleState& state, HWND panel);
// The record of the selected item, or null.
ChannelConfig* ComboChannel(HWND combo);
// Whether an item reads name, compared without regard to case.
bool ComboHasName(HWND combo, const char* name);
// Puts an item for config at index (replacing the item there when replace)
// and selects it.
void PlaceComboItem(HWND combo, int index, ChannelConfig* config, bool replace);

}  // namespace qvs
