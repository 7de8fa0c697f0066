// The queue-view popup menus, made with the panel and destroyed by the UI
// thread at its end. The queue views show them (Send, Queue) on right click.
#pragma once
#include "win32/windows_api.h"

namespace qvs {

enum PopupCommand : UINT {
    kCommandInsert = 40001,
    kCommandClear = 40002,
    kCommandSendNow = 40003,
    kCommandRemove = 40004,
    kCommandSelectAllByNick = 40005,
    kCommandCancelSend = 40006,
    kCommandCancelAllSends = 40007,
    kCommandSelectAll = 40008,
    kCommandSelectNone = 40009,
    kCommandMoveUp = 40011,
    kCommandMoveDown = 40012,
    kCommandMoveTop = 40013,
    kCommandMoveBottom = 40014,
    kCommandToListQueue = 40015,
    kCommandToSmallFileQueue = 40016,
    kCommandToOpVoiceQueue = 40017,
    kCommandToRegularQueue = 40018,
};

struct PopupMenus {
    HMENU Select = nullptr;
    HMENU QueueChoice = nullptr;  // the "To Queues" submenu of Move
    HMENU Move = nullptr;         // a submenu of Queue
    HMENU Queue = nullptr;
    HMENU Send = nullptr;
};

void CreatePopupMenus(PopupMenus& menus);
void DestroyPopupMenus(PopupMenus& menus);

}  // namespace qvs
