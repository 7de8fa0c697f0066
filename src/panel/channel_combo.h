// The panel's channel combo box: one item per ChannelConfig, in list order,
// with the record as item data.
#pragma once
#include "model/module_state.h"
#include "win32/windows_api.h"

namespace qvs {

// Fills the box (anew) and gives it the keyboard focus.
void FillChannelCombo(ModuleState& state, HWND panel);
void SelectChannelInCombo(HWND panel, const ChannelConfig* config);
// The record of the chosen item, or null.
ChannelConfig* ChannelInCombo(HWND panel);

}  // namespace qvs
