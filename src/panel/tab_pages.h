// The panel's pages: modeless child dialogs inside their tab control, each
// tab item carrying its page's window. The Options, Global and Queues pages
// hold tab controls of their own.
#pragma once
#include "win32/windows_api.h"

namespace qvs {

struct PanelState;

void CreateTabPages(HINSTANCE instance, HWND panel, PanelState& ui);
// Shows the page of the selected tab and hides the others.
void ShowSelectedPage(HWND tab);

}  // namespace qvs
