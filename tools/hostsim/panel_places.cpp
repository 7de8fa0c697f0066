#include "panel_places.h"

#include <commctrl.h>

#include <cstdlib>

namespace hostsim {
namespace {

constexpr char kDialogClass[] = "#32770";
constexpr char kWindowPrefix[] = "window:";
// Between the tabs of a path: tab names hold "/" ("Op/Voice Queue").
constexpr char kPathSeparator = '>';

struct ThreadSearch {
    HWND Panel;
    std::string Caption;  // empty: the dialog in front
    HWND Found;
};

BOOL CALLBACK MatchTopLevel(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<ThreadSearch*>(parameter);
    if (window == search->Panel || !IsWindowVisible(window)) return TRUE;
    bool match = search->Caption.empty() ? ClassOf(window) == kDialogClass && IsWindowEnabled(window)
                                         : WindowText(window) == search->Caption;
    if (!match) return TRUE;
    search->Found = window;
    return FALSE;
}

HWND FindOnThread(HWND panel, const std::string& caption) {
    ThreadSearch search{panel, caption, nullptr};
    EnumThreadWindows(GetWindowThreadProcessId(panel, nullptr), MatchTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.Found;
}

std::vector<std::string> Split(const std::string& path, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t at; (at = path.find(separator, start)) != std::string::npos; start = at + 1)
        parts.push_back(path.substr(start, at - start));
    parts.push_back(path.substr(start));
    return parts;
}

}  // namespace

std::string WindowText(HWND window) {
    int length = GetWindowTextLengthA(window);
    std::string text(static_cast<std::size_t>(length > 0 ? length : 0) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(window, &text[0], length + 1)));
    return text;
}

std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

HWND TabControlOf(HWND window) { return window ? FindWindowExA(window, nullptr, WC_TABCONTROLA, nullptr) : nullptr; }

std::string TabText(HWND tab, int index) {
    char text[256] = {};
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(tab, TCM_GETITEMA, index, reinterpret_cast<LPARAM>(&item));
    return text;
}

int TabIndex(HWND tab, const std::string& text) {
    int count = static_cast<int>(SendMessageA(tab, TCM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i)
        if (TabText(tab, i) == text) return i;
    return -1;
}

HWND PageOfTabIndex(HWND tab, int index) {
    TCITEMA item{};
    item.mask = TCIF_PARAM;
    if (!SendMessageA(tab, TCM_GETITEMA, index, reinterpret_cast<LPARAM>(&item))) return nullptr;
    return reinterpret_cast<HWND>(item.lParam);
}

std::vector<TabStep> WalkTabPath(HWND panel, const std::string& path, std::string& missing) {
    std::vector<TabStep> steps;
    HWND holder = panel;
    for (const std::string& name : Split(path, kPathSeparator)) {
        HWND tab = TabControlOf(holder);
        int index = tab ? TabIndex(tab, name) : -1;
        if (index < 0) {
            missing = "no tab \"" + name + "\"";
            return {};
        }
        steps.push_back({tab, index});
        holder = PageOfTabIndex(tab, index);
    }
    return steps;
}

HWND FindPlace(HWND panel, const std::string& place, std::string& error) {
    HWND found = nullptr;
    if (!panel) error = "no panel";
    else if (place == "main") found = panel;
    else if (place == "dialog") found = FrontDialog(panel);
    else if (place.rfind(kWindowPrefix, 0) == 0) found = FindOnThread(panel, place.substr(sizeof kWindowPrefix - 1));
    else {
        std::vector<TabStep> steps = WalkTabPath(panel, place, error);
        if (!steps.empty()) found = PageOfTabIndex(steps.back().Tab, steps.back().Index);
    }
    if (!found && error.empty()) error = "no " + place;
    return found;
}

HWND FindControl(HWND place, const std::string& name, std::string& error) {
    if (!place) return nullptr;
    if (name.size() > 1 && name[0] == '#') {
        HWND control = GetDlgItem(place, std::atoi(name.c_str() + 1));
        if (!control) error = "no control " + name;
        return control;
    }
    for (HWND child = GetWindow(place, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (WindowText(child) != name) continue;
        bool label = ClassOf(child) == "Static";
        HWND next = label ? GetWindow(child, GW_HWNDNEXT) : child;
        if (next) return next;
    }
    error = "no control \"" + name + "\"";
    return nullptr;
}

HWND FrontDialog(HWND panel) { return panel ? FindOnThread(panel, std::string()) : nullptr; }

std::string LabelTexts(HWND dialog) {
    std::string texts;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (ClassOf(child) != "Static") continue;
        std::string text = WindowText(child);
        if (!text.empty()) texts += (texts.empty() ? "" : " / ") + text;
    }
    return texts;
}

}  // namespace hostsim
