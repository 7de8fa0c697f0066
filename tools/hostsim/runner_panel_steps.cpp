// Steps that look at and work the module's panel as a user would.
#include "runner.h"

#include <commctrl.h>

#include "panel_places.h"
#include "step_words.h"

namespace hostsim {
namespace {

constexpr UINT kRestoreSizeCommand = 30000;
constexpr UINT kAboutCommand = 30001;
constexpr char kDialogClass[] = "#32770";

// "a | b | c": the tabs of a tab control, in order.
std::string TabsOf(HWND tab) {
    int count = static_cast<int>(SendMessageA(tab, TCM_GETITEMCOUNT, 0, 0));
    std::string seen;
    for (int i = 0; i < count; ++i) seen += (i ? " | " : "") + TabText(tab, i);
    return seen;
}

// The page window a tab item carries.
HWND PageOfTab(HWND tab, const std::string& text) { return PageOfTabIndex(tab, TabIndex(tab, text)); }

struct AboutSearch {
    HWND Owner;
    HWND Found;
};

BOOL CALLBACK FindOwnedDialog(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<AboutSearch*>(parameter);
    char className[32] = {};
    GetClassNameA(window, className, sizeof className);
    if (std::string(className) != kDialogClass || GetWindow(window, GW_OWNER) != search->Owner ||
        !IsWindowVisible(window))
        return TRUE;
    search->Found = window;
    return FALSE;
}

}  // namespace

Outcome Runner::ExpectPanel(const Step& step) {
    const std::string& want = step.Words[1];
    if (want != "visible" && want != "hidden" && want != "none") return {false, "usage: expect-panel visible|hidden|none"};
    std::string seen;
    PumpUntil(
        [&] {
            HWND panel = Panel();
            seen = !panel ? "none" : IsWindowVisible(panel) ? "visible" : "hidden";
            return seen == want;
        },
        deadlineMs_);
    return {seen == want, "the panel is " + (seen == "none" ? std::string("not there") : seen)};
}

Outcome Runner::ExpectPanelCaption(const Step& step) {
    HWND panel = Panel();
    if (!panel) return {false, "no panel"};
    std::string caption = WindowText(panel);
    return {caption == step.Rest(1), "caption \"" + caption + "\""};
}

Outcome Runner::ExpectPanelTabs(const Step& step) {
    HWND tab = TabControlOf(Panel());
    if (!tab) return {false, "no tab control on the panel"};
    std::string seen = TabsOf(tab);
    std::string want;
    for (std::size_t i = 1; i < step.Words.size(); ++i) want += (i > 1 ? " | " : "") + step.Words[i];
    return {seen == want, "tabs: " + seen};
}

Outcome Runner::ExpectPageTabs(const Step& step) {
    HWND tab = TabControlOf(PageOfTab(TabControlOf(Panel()), step.Words[1]));
    if (!tab) return {false, "no tab control on the page " + step.Words[1]};
    std::string seen = TabsOf(tab);
    return {seen == step.Rest(2), "tabs: " + seen};
}

Outcome Runner::ExpectPanelAt(const Step& step) {
    int x = 0, y = 0;
    if (!ParseSigned(step.Words[1], x) || !ParseSigned(step.Words[2], y)) return {false, "usage: expect-panel-at <x> <y>"};
    HWND panel = Panel();
    RECT frame{};
    if (!panel || !GetWindowRect(panel, &frame)) return {false, "no panel"};
    return {frame.left == x && frame.top == y,
            "the panel is at " + std::to_string(frame.left) + "," + std::to_string(frame.top)};
}

Outcome Runner::ExpectPanelInitialSize(const Step&) {
    HWND panel = Panel();
    RECT frame{};
    if (!panel || !GetWindowRect(panel, &frame)) return {false, "no panel"};
    int width = frame.right - frame.left, height = frame.bottom - frame.top;
    return {width == initialWidth_ && height == initialHeight_,
            "size " + std::to_string(width) + "x" + std::to_string(height) + ", at start " +
                std::to_string(initialWidth_) + "x" + std::to_string(initialHeight_)};
}

Outcome Runner::MovePanel(const Step& step) {
    int place[4] = {};
    for (int i = 0; i < 4; ++i)
        if (!ParseSigned(step.Words[i + 1], place[i])) return {false, "usage: move-panel <x> <y> <width> <height>"};
    HWND panel = Panel();
    if (!panel) return {false, "no panel"};
    SetWindowPos(panel, nullptr, place[0], place[1], place[2], place[3], SWP_NOZORDER | SWP_NOACTIVATE);
    return {true, std::string()};
}

Outcome Runner::SysCommand(const Step& step) {
    HWND panel = Panel();
    if (!panel) return {false, "no panel"};
    const std::string& command = step.Words[1];
    // The About box is modal: it is asked for by post so the host goes on.
    if (command == "about") return {PostMessageA(panel, WM_SYSCOMMAND, kAboutCommand, 0) != FALSE, std::string()};
    WPARAM code = command == "close" ? SC_CLOSE : command == "restore" ? kRestoreSizeCommand : 0;
    if (!code) return {false, "usage: syscommand close|restore|about"};
    DWORD_PTR result = 0;
    bool answered = SendMessageTimeoutA(panel, WM_SYSCOMMAND, code, 0, SMTO_NORMAL, deadlineMs_, &result) != 0;
    return {answered, answered ? std::string() : "the panel did not answer"};
}

Outcome Runner::ExpectHitTest(const Step& step) {
    int x = 0, y = 0;
    const std::string& want = step.Words[3];
    if (!ParseSigned(step.Words[1], x) || !ParseSigned(step.Words[2], y) || (want != "caption" && want != "client"))
        return {false, "usage: expect-hit-test <x> <y> caption|client"};
    HWND panel = Panel();
    if (!panel) return {false, "no panel"};
    POINT point{x, y};
    ClientToScreen(panel, &point);
    DWORD_PTR hit = 0;
    SendMessageTimeoutA(panel, WM_NCHITTEST, 0, MAKELPARAM(point.x, point.y), SMTO_NORMAL, deadlineMs_, &hit);
    DWORD_PTR expected = want == "caption" ? HTCAPTION : HTCLIENT;
    return {hit == expected, "hit test answered " + std::to_string(hit)};
}

HWND Runner::FindAboutDialog(HWND panel) const {
    AboutSearch search{panel, nullptr};
    EnumThreadWindows(GetWindowThreadProcessId(panel, nullptr), FindOwnedDialog, reinterpret_cast<LPARAM>(&search));
    return search.Found;
}

Outcome Runner::ExpectAbout(const Step& step) {
    const std::string& want = step.Words[1];
    if (want != "open" && want != "closed") return {false, "usage: expect-about open|closed"};
    HWND panel = Panel();
    if (!panel) return {false, "no panel"};
    HWND about = nullptr;
    PumpUntil(
        [&] {
            about = FindAboutDialog(panel);
            return (about != nullptr) == (want == "open");
        },
        deadlineMs_);
    if (!about) return {want == "closed", "no About dialog"};
    return {want == "open", "About dialog \"" + WindowText(about) + "\""};
}

Outcome Runner::CloseAbout(const Step&) {
    HWND panel = Panel();
    HWND about = panel ? FindAboutDialog(panel) : nullptr;
    if (!about) return {false, "no About dialog"};
    PostMessageA(about, WM_COMMAND, IDOK, 0);
    bool closed = PumpUntil([&] { return FindAboutDialog(panel) == nullptr; }, deadlineMs_);
    return {closed, closed ? std::string() : "the About dialog stayed"};
}

Outcome Runner::ExpectSystemMenuItem(const Step& step) {
    uint32_t id = 0;
    bool afterBreak = step.Words.size() > 3;
    if (!ParseUnsigned(step.Words[1], id) || (afterBreak && step.Words[3] != "after-break"))
        return {false, "usage: expect-system-menu-item <command id> <text> [after-break]"};
    HWND panel = Panel();
    HMENU menu = panel ? GetSystemMenu(panel, FALSE) : nullptr;
    if (!menu) return {false, "no system menu"};
    int count = GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position) {
        if (GetMenuItemID(menu, position) != id) continue;
        char text[128] = {};
        GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
        if (step.Words[2] != text) return {false, "the item reads \"" + std::string(text) + "\""};
        if (!afterBreak) return {true, std::string()};
        MENUITEMINFOA before{};
        before.cbSize = sizeof before;
        before.fMask = MIIM_FTYPE;
        bool breaks = position > 0 && GetMenuItemInfoA(menu, position - 1, TRUE, &before) &&
                      (before.fType & MFT_MENUBREAK);
        return {breaks, breaks ? std::string() : "the entry before it does not break the menu"};
    }
    return {false, "no item with command " + step.Words[1]};
}

}  // namespace hostsim
