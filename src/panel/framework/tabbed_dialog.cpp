#include "panel/framework/tabbed_dialog.h"

namespace qvs {
namespace {

// Where every page sits inside its tab control, below the tabs.
constexpr int kPageLeft = 10;
constexpr int kPageTop = 30;

HWND PageOf(HWND tab, int index) {
    TCITEMA item{};
    item.mask = TCIF_PARAM;
    if (!SendMessageA(tab, TCM_GETITEMA, index, reinterpret_cast<LPARAM>(&item))) return nullptr;
    return reinterpret_cast<HWND>(item.lParam);
}

void AddTab(HWND tab, int index, const char* text, HWND page) {
    TCITEMA item{};
    item.mask = TCIF_TEXT | TCIF_PARAM;
    item.pszText = const_cast<char*>(text);
    item.lParam = reinterpret_cast<LPARAM>(page);
    SendMessageA(tab, TCM_INSERTITEMA, index, reinterpret_cast<LPARAM>(&item));
}

}  // namespace

void ShowSelectedPage(HWND tab) {
    int selected = static_cast<int>(SendMessageA(tab, TCM_GETCURSEL, 0, 0));
    int count = static_cast<int>(SendMessageA(tab, TCM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i)
        if (HWND page = PageOf(tab, i)) ShowWindow(page, i == selected ? SW_SHOW : SW_HIDE);
}

HWND TabbedDialog::AddUntabbedPage(DialogBase& page) {
    HWND made = page.CreateModeless(Instance(), Tabs());
    if (made) SetWindowPos(made, nullptr, kPageLeft, kPageTop, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return made;
}

void TabbedDialog::AddPages(const TabPage* pages, int count) {
    for (int i = 0; i < count; ++i) AddTab(Tabs(), i, pages[i].Tab, AddUntabbedPage(*pages[i].Page));
    ShowSelectedPage(Tabs());
}

bool TabbedDialog::OnNotify(const NMHDR& notice) {
    if (notice.hwndFrom != Tabs() || notice.code != static_cast<UINT>(TCN_SELCHANGE)) return false;
    ShowSelectedPage(Tabs());
    return true;
}

}  // namespace qvs
