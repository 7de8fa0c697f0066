// The panel's system menu: "Restore size" and "About...", each behind an
// empty menu-break entry; the close box hides the panel instead of closing.
#pragma once
#include "win32/windows_api.h"

namespace qvs {

class AboutDialog;
struct PanelState;

void AppendSystemMenuItems(HWND panel);
// True when the command was the panel's to handle.
bool HandleSystemCommand(HINSTANCE instance, HWND panel, const PanelState& ui, AboutDialog& about, WPARAM command);

}  // namespace qvs
