// Steps that work the panel's controls as a user does: tabs, buttons, check
// boxes, drop-downs and fields, and read them back.
#include "runner.h"

#include <commctrl.h>

#include "panel_places.h"
#include "step_words.h"

namespace hostsim {
namespace {

// Grayed itself, or in a window that a modal dialog has disabled.
bool Workable(HWND control) { return IsWindowEnabled(control) && IsWindowEnabled(GetAncestor(control, GA_ROOT)); }

// A control the user can reach: shown and not grayed.
std::string Unreachable(HWND control) {
    if (!IsWindowVisible(control)) return "it is not shown";
    if (!Workable(control)) return "it is grayed";
    return std::string();
}

bool IsTicked(HWND control) { return SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED; }

// Drop-downs and list boxes answer the same questions with their own messages.
struct ItemMessages {
    UINT Find, Choose, Count, TextLength, Text, Chosen;
    WORD Changed;
};
constexpr ItemMessages kComboItems{CB_FINDSTRINGEXACT, CB_SETCURSEL, CB_GETCOUNT, CB_GETLBTEXTLEN,
                                   CB_GETLBTEXT,       CB_GETCURSEL, CBN_SELCHANGE};
constexpr ItemMessages kListItems{LB_FINDSTRINGEXACT, LB_SETCURSEL, LB_GETCOUNT, LB_GETTEXTLEN,
                                  LB_GETTEXT,         LB_GETCURSEL, LBN_SELCHANGE};

const ItemMessages& ItemsOf(HWND control) { return ClassOf(control) == "ListBox" ? kListItems : kComboItems; }

// A list box where several items may be chosen: a pick adds one more.
bool ChoosesSeveral(HWND control) {
    return ClassOf(control) == "ListBox" && (GetWindowLongA(control, GWL_STYLE) & (LBS_EXTENDEDSEL | LBS_MULTIPLESEL));
}

std::string ComboItem(HWND combo, int index) {
    const ItemMessages& items = ItemsOf(combo);
    LRESULT length = SendMessageA(combo, items.TextLength, index, 0);
    if (length < 0) return std::string();
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    SendMessageA(combo, items.Text, index, reinterpret_cast<LPARAM>(&text[0]));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

// The tab change as a click makes it: the parent hears "changing", the
// selection moves, the parent hears "changed".
void ClickTab(HWND tab, int index) {
    HWND parent = GetParent(tab);
    NMHDR notice{tab, static_cast<UINT_PTR>(GetDlgCtrlID(tab)), static_cast<UINT>(TCN_SELCHANGING)};
    SendMessageA(parent, WM_NOTIFY, notice.idFrom, reinterpret_cast<LPARAM>(&notice));
    SendMessageA(tab, TCM_SETCURSEL, index, 0);
    notice.code = static_cast<UINT>(TCN_SELCHANGE);
    SendMessageA(parent, WM_NOTIFY, notice.idFrom, reinterpret_cast<LPARAM>(&notice));
}

void PostCommand(HWND control, int code) {
    PostMessageA(GetParent(control), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), code), reinterpret_cast<LPARAM>(control));
}

}  // namespace

HWND Runner::StepControl(const Step& step, std::string& error) {
    HWND place = FindPlace(Panel(), step.Words[1], error);
    return place ? FindControl(place, step.Words[2], error) : nullptr;
}

Outcome Runner::SelectTab(const Step& step) {
    std::string missing;
    std::vector<TabStep> path = WalkTabPath(Panel(), step.Rest(1), missing);
    if (path.empty()) return {false, missing.empty() ? "no panel" : missing};
    for (const TabStep& tab : path) ClickTab(tab.Tab, tab.Index);
    return {WaitIdle(Panel()), std::string()};
}

Outcome Runner::Click(const Step& step) {
    std::string error;
    HWND control = StepControl(step, error);
    if (!control) return {false, error};
    std::string why = Unreachable(control);
    if (!why.empty()) return {false, step.Words[2] + ": " + why};
    // Posted: a click that opens a modal dialog does not hold the host up.
    PostMessageA(control, BM_CLICK, 0, 0);
    return {WaitIdle(Panel()), std::string()};
}

Outcome Runner::Tick(const Step& step) {
    const std::string& want = step.Words[3];
    if (want != "on" && want != "off") return {false, "usage: tick <place> <control> on|off"};
    std::string error;
    HWND control = StepControl(step, error);
    if (!control) return {false, error};
    if (IsTicked(control) == (want == "on")) return {true, "already " + want};
    return Click(step);
}

Outcome Runner::Pick(const Step& step) {
    std::string error;
    HWND combo = StepControl(step, error);
    if (!combo) return {false, error};
    std::string why = Unreachable(combo);
    if (!why.empty()) return {false, step.Words[2] + ": " + why};
    std::string item = step.Rest(3);
    const ItemMessages& items = ItemsOf(combo);
    LRESULT index = SendMessageA(combo, items.Find, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(item.c_str()));
    if (index < 0) return {false, "no item \"" + item + "\""};
    if (ChoosesSeveral(combo)) SendMessageA(combo, LB_SETSEL, TRUE, index);
    else SendMessageA(combo, items.Choose, index, 0);
    PostCommand(combo, items.Changed);
    return {WaitIdle(Panel()), std::string()};
}

// As a paste over the whole field: the field's own limit applies.
Outcome Runner::Type(const Step& step) {
    std::string error;
    HWND field = StepControl(step, error);
    if (!field) return {false, error};
    std::string why = Unreachable(field);
    if (!why.empty()) return {false, step.Words[2] + ": " + why};
    std::string text = step.Words.size() > 3 ? step.Rest(3) : std::string();
    DWORD_PTR ignored = 0;
    // The field of a drop-down that takes text (the file name of the
    // platform's file-open box) is set as a whole.
    if (ClassOf(field).rfind("ComboBox", 0) == 0) {
        SendMessageTimeoutA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_NORMAL, deadlineMs_, &ignored);
        return {WaitIdle(Panel()), std::string()};
    }
    SendMessageTimeoutA(field, EM_SETSEL, 0, -1, SMTO_NORMAL, deadlineMs_, &ignored);
    SendMessageTimeoutA(field, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()), SMTO_NORMAL, deadlineMs_, &ignored);
    return {WaitIdle(Panel()), std::string()};
}

// The field loses the keyboard focus, as when the user tabs away from it.
Outcome Runner::Leave(const Step& step) {
    std::string error;
    HWND field = StepControl(step, error);
    if (!field) return {false, error};
    std::string why = Unreachable(field);
    if (!why.empty()) return {false, step.Words[2] + ": " + why};
    PostCommand(field, EN_KILLFOCUS);
    return {WaitIdle(Panel()), std::string()};
}

// Selects characters from .. to - 1 of a field, as dragging over them does.
Outcome Runner::SelectText(const Step& step) {
    uint32_t from = 0, to = 0;
    if (!ParseUnsigned(step.Words[3], from) || !ParseUnsigned(step.Words[4], to))
        return {false, "usage: select-text <place> <field> <from> <to>"};
    std::string error;
    HWND field = StepControl(step, error);
    if (!field) return {false, error};
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(field, EM_SETSEL, from, to, SMTO_NORMAL, deadlineMs_, &ignored);
    return {WaitIdle(Panel()), std::string()};
}

Outcome Runner::ExpectText(const Step& step) {
    std::string error;
    HWND control = StepControl(step, error);
    if (!control) return {false, error};
    std::string seen = WindowText(control);
    std::string want = step.Words.size() > 3 ? step.Rest(3) : std::string();
    return {Matches(seen, want), "the text is \"" + seen.substr(0, 200) + "\" (" + std::to_string(seen.size()) + " characters)"};
}

Outcome Runner::ExpectTextLength(const Step& step) {
    uint32_t want = 0;
    if (!ParseUnsigned(step.Words[3], want)) return {false, "usage: expect-text-length <place> <control> <characters>"};
    std::string error;
    HWND control = StepControl(step, error);
    if (!control) return {false, error};
    std::size_t seen = WindowText(control).size();
    return {seen == want, std::to_string(seen) + " characters"};
}

Outcome Runner::ExpectCheck(const Step& step) {
    const std::string& want = step.Words[3];
    std::string error;
    HWND control = StepControl(step, error);
    if (!control) return {false, error};
    std::string seen = IsTicked(control) ? "on" : "off";
    return {seen == want, "the box is " + seen};
}

Outcome Runner::ExpectState(const Step& step) {
    const std::string& want = step.Words[3];
    std::string error;
    HWND control = StepControl(step, error);
    if (!control) return {false, error};
    std::string seen = want == "enabled" || want == "grayed" ? (Workable(control) ? "enabled" : "grayed")
                                                             : (IsWindowVisible(control) ? "shown" : "hidden");
    return {seen == want, "it is " + seen};
}

Outcome Runner::ExpectChoice(const Step& step) {
    std::string error;
    HWND combo = StepControl(step, error);
    if (!combo) return {false, error};
    int index = static_cast<int>(SendMessageA(combo, ItemsOf(combo).Chosen, 0, 0));
    std::string seen = index < 0 ? "" : ComboItem(combo, index);
    std::string want = step.Words.size() > 3 ? step.Rest(3) : std::string();
    return {seen == want, index < 0 ? "nothing chosen" : "chosen: \"" + seen + "\""};
}

Outcome Runner::ExpectItems(const Step& step) {
    std::string error;
    HWND combo = StepControl(step, error);
    if (!combo) return {false, error};
    int count = static_cast<int>(SendMessageA(combo, ItemsOf(combo).Count, 0, 0));
    std::string seen;
    for (int i = 0; i < count; ++i) seen += (i ? " | " : "") + ComboItem(combo, i);
    std::string want = step.Words.size() > 3 ? step.Rest(3) : std::string();
    return {seen == want, "items: " + seen};
}

// A list box's double click on its chosen item.
Outcome Runner::DoubleClick(const Step& step) {
    std::string error;
    HWND box = StepControl(step, error);
    if (!box) return {false, error};
    if (ClassOf(box) != "ListBox") return {false, step.Words[2] + " is no list box"};
    PostCommand(box, LBN_DBLCLK);
    return {WaitIdle(Panel()), std::string()};
}

}  // namespace hostsim
