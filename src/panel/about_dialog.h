// The modal About dialog of the panel's system menu.
#pragma once
#include "win32/windows_api.h"

namespace qvs {

void ShowAboutDialog(HINSTANCE instance, HWND owner);

}  // namespace qvs
