// What the UI thread keeps about its panel.
#pragma once
#include "intake/periodic.h"
#include "panel/framework/popup_menus.h"
#include "ports/panel_port.h"
#include "win32/windows_api.h"

namespace qvs {

// The modeless windows whose keyboard navigation the message loop serves, in
// the order it offers them each message. Null where the window is not open.
enum ModelessWindow {
    kPanelWindow,
    kFileListManager,
    kNewListProperties,
    kModifyListProperties,
    kEditListHeader,
    kAdvertisementManager,
    kGlobalPage,
    kUserManager,
    kModelessWindowCount
};

struct PanelState {
    // The ChannelConfig the pages show and edit, or none: kept here rather
    // than read back from the drop-down, which still shows a name after
    // "No" to the delete question.
    ChannelConfig* CurrentChannel = nullptr;
    // Where the core's notifications go while the panel exists.
    PanelPort* Views = nullptr;
    int InitialWidth = 0;
    int InitialHeight = 0;
    PopupMenus Menus;
    PeriodicTimers Timers;
    HWND Modeless[kModelessWindowCount] = {};
    // Shown through the per-instance tabs of the Queues page, not a tab of
    // its own.
    HWND RegularQueuePage = nullptr;
};

}  // namespace qvs
