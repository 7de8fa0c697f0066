#include "panel/framework/popup_menus.h"

namespace qvs {
namespace {

struct MenuItem {
    UINT Command;  // 0: a separator, or the submenu below
    const char* Text;
    HMENU* Submenu;
};

HMENU MakeMenu(const MenuItem* items, int count) {
    HMENU menu = CreatePopupMenu();
    if (!menu) return nullptr;
    for (int i = 0; i < count; ++i) {
        const MenuItem& item = items[i];
        if (item.Submenu)
            AppendMenuA(menu, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(*item.Submenu), item.Text);
        else if (item.Command)
            AppendMenuA(menu, MF_STRING, item.Command, item.Text);
        else
            AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    }
    return menu;
}

template <int N>
HMENU MakeMenu(const MenuItem (&items)[N]) {
    return MakeMenu(items, N);
}

}  // namespace

void CreatePopupMenus(PopupMenus& menus) {
    const MenuItem select[] = {
        {kCommandSelectAll, "All", nullptr},
        {kCommandSelectNone, "None", nullptr},
        {kCommandSelectAllByNick, "All by nick", nullptr},
    };
    const MenuItem queueChoice[] = {
        {kCommandToListQueue, "List", nullptr},
        {kCommandToSmallFileQueue, "S.Queue", nullptr},
        {kCommandToOpVoiceQueue, "Op/Voice", nullptr},
        {kCommandToRegularQueue, "Regular", nullptr},
    };
    const MenuItem move[] = {
        {kCommandMoveTop, "Top", nullptr},       {kCommandMoveBottom, "Bottom", nullptr},
        {kCommandMoveUp, "Up", nullptr},         {kCommandMoveDown, "Down", nullptr},
        {0, nullptr, nullptr},                   {0, "To Queues", &menus.QueueChoice},
    };
    const MenuItem queue[] = {
        {kCommandSendNow, "Send now", nullptr}, {kCommandInsert, "Insert", nullptr},
        {kCommandRemove, "Remove", nullptr},    {kCommandClear, "Clear", nullptr},
        {0, nullptr, nullptr},                  {0, "Move", &menus.Move},
        {0, nullptr, nullptr},                  {0, "Select", &menus.Select},
    };
    const MenuItem send[] = {
        {kCommandCancelSend, "Cancel Send", nullptr},
        {kCommandCancelAllSends, "Cancel All Sends", nullptr},
    };
    menus.Select = MakeMenu(select);
    menus.QueueChoice = MakeMenu(queueChoice);
    menus.Move = MakeMenu(move);
    menus.Queue = MakeMenu(queue);
    menus.Send = MakeMenu(send);
}

void DestroyPopupMenus(PopupMenus& menus) {
    // Destroying a menu destroys its submenus: Queue takes Move, Select and
    // the queue choice with it.
    if (menus.Queue) DestroyMenu(menus.Queue);
    if (menus.Send) DestroyMenu(menus.Send);
    menus = PopupMenus{};
}

}  // namespace qvs
