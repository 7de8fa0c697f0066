// The control panel: a modeless dialog of the private class "QVSDLGCLASS"
// owned by the host's window. Its window procedure receives the
// ServerEvents, the system menu, and the unload request of the shell.
#pragma once
#include "win32/windows_api.h"

namespace qvs {

struct Shell;

constexpr char kPanelClass[] = "QVSDLGCLASS";
// Posted by the unload on the host's thread: the UI thread stops the
// advertisements, saves the configuration and closes the panel, in that
// order, between two messages and not in the middle of one.
constexpr UINT kUnloadRequest = WM_APP + 1;

void RegisterPanelClass(HINSTANCE instance);
void UnregisterPanelClass(HINSTANCE instance);

// Creates the panel with its icon, system menu, pages and channel list, and
// brings back the Connections' flood windows. Null when it could not be made.
HWND OpenPanel(Shell& shell);

}  // namespace qvs
