// Steps that read a list view and work its popup menu as a user does.
#include "runner.h"

#include <commctrl.h>

#include <sstream>

#include "panel_places.h"
#include "step_words.h"

namespace hostsim {
namespace {

constexpr char kMenuClass[] = "#32768";
constexpr UINT kGetMenu = 0x01E1;  // MN_GETHMENU

std::string Cell(HWND view, int row, int column) {
    char text[1024] = {};
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(view, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
    return text;
}

int Columns(HWND view) {
    HWND header = reinterpret_cast<HWND>(SendMessageA(view, LVM_GETHEADER, 0, 0));
    return header ? static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)) : 1;
}

std::string RowText(HWND view, int row) {
    std::string text;
    for (int column = 0; column < Columns(view); ++column) text += (column ? " | " : "") + Cell(view, row, column);
    return text;
}

int RowCount(HWND view) { return static_cast<int>(SendMessageA(view, LVM_GETITEMCOUNT, 0, 0)); }

void SetSelected(HWND view, int row, bool selected) {
    LVITEMA item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = selected ? LVIS_SELECTED | LVIS_FOCUSED : 0;
    SendMessageA(view, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
}

std::string SelectedRows(HWND view) {
    std::string rows;
    for (int row = -1; (row = static_cast<int>(SendMessageA(view, LVM_GETNEXTITEM, row, LVNI_SELECTED))) >= 0;)
        rows += (rows.empty() ? "" : ",") + std::to_string(row + 1);
    return rows;
}

// The popup menu being tracked on the panel's thread, or null.
HMENU TrackedMenu(HWND panel) {
    HWND menuWindow = FindWindowA(kMenuClass, nullptr);
    if (!menuWindow || !IsWindowVisible(menuWindow)) return nullptr;
    if (GetWindowThreadProcessId(menuWindow, nullptr) != GetWindowThreadProcessId(panel, nullptr)) return nullptr;
    return reinterpret_cast<HMENU>(SendMessageA(menuWindow, kGetMenu, 0, 0));
}

std::string MenuText(HMENU menu, int position) {
    char text[128] = {};
    GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
    return text;
}

// Walks "Move>To Queues>List": the keys that reach each item (downs from
// the top, then right into a submenu), and the item's state.
struct MenuRoute {
    std::vector<int> Downs;
    UINT State = 0;
    std::string Missing;
};

MenuRoute RouteTo(HMENU menu, const std::string& path) {
    MenuRoute route;
    std::stringstream parts(path);
    std::string name;
    while (std::getline(parts, name, '>')) {
        int count = GetMenuItemCount(menu), downs = 0, found = -1;
        for (int i = 0; i < count && found < 0; ++i) {
            if (GetMenuState(menu, i, MF_BYPOSITION) & MF_SEPARATOR) continue;
            ++downs;
            if (MenuText(menu, i) == name) found = i;
        }
        if (found < 0) return {{}, 0, "no menu item \"" + name + "\""};
        route.Downs.push_back(downs);
        route.State = GetMenuState(menu, found, MF_BYPOSITION);
        menu = GetSubMenu(menu, found);
    }
    return route;
}

void PostKey(HWND window, WPARAM key) {
    PostMessageA(window, WM_KEYDOWN, key, 1);
    PostMessageA(window, WM_KEYUP, key, 1 | 0xC0000000);
}

}  // namespace

HWND Runner::StepListView(const Step& step, std::string& error) {
    HWND view = StepControl(step, error);
    if (view && ClassOf(view) != WC_LISTVIEWA) {
        error = step.Words[2] + " is no list view";
        return nullptr;
    }
    return view;
}

Outcome Runner::ExpectRows(const Step& step) {
    uint32_t want = 0;
    if (!ParseUnsigned(step.Words[3], want)) return {false, "usage: expect-rows <place> <list view> <count>"};
    std::string error;
    HWND view = StepListView(step, error);
    if (!view) return {false, error};
    std::string seen;
    for (int row = 0; row < RowCount(view); ++row) seen += "\n    " + RowText(view, row);
    return {RowCount(view) == static_cast<int>(want), std::to_string(RowCount(view)) + " rows" + seen};
}

Outcome Runner::ExpectRow(const Step& step) { return MatchRow(step, 0); }

// For rows that a generation on its own thread fills in.
Outcome Runner::AwaitRow(const Step& step) { return MatchRow(step, deadlineMs_); }

Outcome Runner::MatchRow(const Step& step, DWORD waitMs) {
    uint32_t row = 0;
    if (!ParseUnsigned(step.Words[3], row) || row == 0) return {false, "usage: expect-row <place> <list view> <row from 1> <cells>"};
    std::string error;
    HWND view = StepListView(step, error);
    if (!view) return {false, error};
    auto seen = [&] { return static_cast<int>(row) > RowCount(view) ? std::string() : RowText(view, static_cast<int>(row) - 1); };
    PumpUntil([&] { return static_cast<int>(row) <= RowCount(view) && Matches(seen(), step.Rest(4)); }, waitMs);
    if (static_cast<int>(row) > RowCount(view)) return {false, "only " + std::to_string(RowCount(view)) + " rows"};
    return {Matches(seen(), step.Rest(4)), "row: " + seen()};
}

Outcome Runner::SelectRows(const Step& step) {
    std::string error;
    HWND view = StepListView(step, error);
    if (!view) return {false, error};
    for (int row = 0; row < RowCount(view); ++row) SetSelected(view, row, false);
    std::stringstream rows(step.Words.size() > 3 ? step.Words[3] : std::string());
    std::string word;
    while (std::getline(rows, word, ',')) {
        uint32_t row = 0;
        if (!ParseUnsigned(word, row) || row == 0 || static_cast<int>(row) > RowCount(view))
            return {false, "no row " + word};
        SetSelected(view, static_cast<int>(row) - 1, true);
    }
    return {WaitIdle(Panel()), std::string()};
}

Outcome Runner::ExpectSelectedRows(const Step& step) {
    std::string error;
    HWND view = StepListView(step, error);
    if (!view) return {false, error};
    std::string seen = SelectedRows(view);
    return {seen == (step.Words.size() > 3 ? step.Words[3] : std::string()), "selected: " + seen};
}

namespace {

// A click on a row: it becomes the only selected row; answers the point
// of the click in the view's client area.
POINT ClickRow(HWND view, int row) {
    for (int other = 0; other < RowCount(view); ++other) SetSelected(view, other, other == row);
    RECT place{LVIR_BOUNDS, 0, 0, 0};
    SendMessageA(view, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&place));
    return {(place.left + place.right) / 2, (place.top + place.bottom) / 2};
}

}  // namespace

HWND Runner::ClickedRow(const Step& step, POINT& at, std::string& error) {
    uint32_t row = 0;
    if (!ParseUnsigned(step.Words[3], row) || row == 0) {
        error = "usage: " + step.Words[0] + " <place> <list view> <row from 1>";
        return nullptr;
    }
    HWND view = StepListView(step, error);
    if (view && static_cast<int>(row) > RowCount(view)) {
        error = "only " + std::to_string(RowCount(view)) + " rows";
        return nullptr;
    }
    if (view) at = ClickRow(view, static_cast<int>(row) - 1);
    return view;
}

// A right click on a row: the list view asks its dialog for the popup menu.
Outcome Runner::RightClickRow(const Step& step) {
    POINT at{};
    std::string error;
    HWND view = ClickedRow(step, at, error);
    if (!view) return {false, error};
    ClientToScreen(view, &at);
    return AwaitMenu(view, MAKELPARAM(at.x, at.y));
}

// The keyboard's menu key: the menu for the rows selected now.
Outcome Runner::MenuKey(const Step& step) {
    std::string error;
    HWND view = StepListView(step, error);
    if (!view) return {false, error};
    return AwaitMenu(view, MAKELPARAM(-1, -1));
}

Outcome Runner::AwaitMenu(HWND view, LPARAM where) {
    PostMessageA(view, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(view), where);
    HWND panel = Panel();
    bool open = PumpUntil([&] { return TrackedMenu(panel) != nullptr; }, deadlineMs_);
    return {open, open ? std::string() : "no popup menu opened"};
}

// The second click of a double click on a row: the list view tells its
// dialog (NM_DBLCLK) where it landed.
Outcome Runner::DoubleClickRow(const Step& step) {
    POINT at{};
    std::string error;
    HWND view = ClickedRow(step, at, error);
    if (!view) return {false, error};
    PostMessageA(view, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    return {WaitIdle(Panel()), std::string()};
}

Outcome Runner::ExpectMenuItem(const Step& step) {
    const std::string& want = step.Words.back();
    HMENU menu = TrackedMenu(Panel());
    if (!menu) return {false, "no popup menu is open"};
    std::string path = step.Text.substr(step.Text.find(step.Words[1]));
    path = path.substr(0, path.rfind(want));
    while (!path.empty() && path.back() == ' ') path.pop_back();
    MenuRoute route = RouteTo(menu, path);
    if (!route.Missing.empty()) return {false, route.Missing};
    std::string seen = route.State & (MF_GRAYED | MF_DISABLED) ? "grayed" : "enabled";
    return {seen == want, path + " is " + seen};
}

// Chosen with the keyboard, as the menu's own loop reads it.
Outcome Runner::ChooseMenuItem(const Step& step) {
    HWND panel = Panel();
    HMENU menu = TrackedMenu(panel);
    if (!menu) return {false, "no popup menu is open"};
    MenuRoute route = RouteTo(menu, step.Rest(1));
    if (!route.Missing.empty()) return {false, route.Missing};
    if (route.State & (MF_GRAYED | MF_DISABLED)) return {false, step.Rest(1) + " is grayed"};
    for (std::size_t level = 0; level < route.Downs.size(); ++level) {
        if (level) PostKey(panel, VK_RIGHT);
        for (int i = level ? 1 : 0; i < route.Downs[level]; ++i) PostKey(panel, VK_DOWN);
    }
    PostKey(panel, VK_RETURN);
    bool closed = PumpUntil([&] { return TrackedMenu(panel) == nullptr; }, deadlineMs_);
    if (!closed) return {false, "the menu stayed open"};
    return {WaitIdle(panel), std::string()};
}

Outcome Runner::CloseMenu(const Step&) {
    HWND panel = Panel();
    if (!TrackedMenu(panel)) return {false, "no popup menu is open"};
    PostKey(panel, VK_ESCAPE);
    bool closed = PumpUntil([&] { return TrackedMenu(panel) == nullptr; }, deadlineMs_);
    return {closed, closed ? std::string() : "the menu stayed open"};
}

}  // namespace hostsim
