#include "panel/framework/tabbed_dialog.h"

#include <algorithm>

namespace qvs {
namespace {

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

// The keyboard (Tab, mnemonics) reaches into a window only through parents
// that carry WS_EX_CONTROLPARENT.
void LetKeyboardIn(HWND window) {
    SetWindowLongPtrA(window, GWL_EXSTYLE, GetWindowLongPtrA(window, GWL_EXSTYLE) | WS_EX_CONTROLPARENT);
}

// The page fills the tab control's display area, below the tabs.
void FitPage(HWND tab, HWND page) {
    RECT area{};
    GetClientRect(tab, &area);
    SendMessageA(tab, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    SetWindowPos(page, HWND_TOP, area.left, area.top, area.right - area.left, area.bottom - area.top, SWP_NOACTIVATE);
}

}  // namespace

void ShowSelectedPage(HWND tab) {
    int selected = static_cast<int>(SendMessageA(tab, TCM_GETCURSEL, 0, 0));
    HWND shown = PageOf(tab, selected);
    int count = static_cast<int>(SendMessageA(tab, TCM_GETITEMCOUNT, 0, 0));
    // A page shared by several tabs stays shown when one of them is selected.
    for (int i = 0; i < count; ++i)
        if (HWND page = PageOf(tab, i)) ShowWindow(page, page == shown ? SW_SHOW : SW_HIDE);
}

int TabbedDialog::SelectedTab() const { return static_cast<int>(SendMessageA(Tabs(), TCM_GETCURSEL, 0, 0)); }

int TabbedDialog::TabCount() const { return static_cast<int>(SendMessageA(Tabs(), TCM_GETITEMCOUNT, 0, 0)); }

void TabbedDialog::SelectTab(int index) {
    if (HWND page = PageOf(Tabs(), SelectedTab())) ShowWindow(page, SW_HIDE);
    SendMessageA(Tabs(), TCM_SETCURSEL, index, 0);
    ShowSelected();
}

HWND TabbedDialog::AddUntabbedPage(DialogBase& page) {
    LetKeyboardIn(Tabs());
    HWND made = page.CreateModeless(Instance(), Tabs());
    if (!made) return nullptr;
    LetKeyboardIn(made);
    FitPage(Tabs(), made);
    ShowWindow(made, SW_HIDE);
    return made;
}

// The display area is known once the control has tabs: the pages are
// fitted again after them.
void TabbedDialog::AddPages(const TabPage* pages, int count) {
    records_.clear();  // those of an earlier window of this dialog
    for (int i = 0; i < count; ++i) InsertRecordTab(i, pages[i].Tab, AddUntabbedPage(*pages[i].Page), nullptr);
    for (int i = 0; i < count; ++i) FitPage(Tabs(), pages[i].Page->Window());
    ShowSelected();
}

void TabbedDialog::InsertRecordTab(int index, const char* text, HWND page, void* record) {
    AddTab(Tabs(), index, text, page);
    auto at = records_.begin() + std::min<std::size_t>(static_cast<std::size_t>(index), records_.size());
    records_.insert(at, record);
}

void TabbedDialog::DeleteTab(int index) {
    if (!SendMessageA(Tabs(), TCM_DELETEITEM, index, 0)) return;
    if (index >= 0 && static_cast<std::size_t>(index) < records_.size()) records_.erase(records_.begin() + index);
}

void TabbedDialog::DeleteTabsFrom(int index) {
    for (int i = TabCount() - 1; i >= index; --i) SendMessageA(Tabs(), TCM_DELETEITEM, i, 0);
    if (index >= 0 && static_cast<std::size_t>(index) < records_.size()) records_.resize(static_cast<std::size_t>(index));
}

void* TabbedDialog::RecordOfTab(int index) const {
    return index >= 0 && static_cast<std::size_t>(index) < records_.size() ? records_[static_cast<std::size_t>(index)] : nullptr;
}

void TabbedDialog::ShowSelected() {
    ShowSelectedPage(Tabs());
    int selected = SelectedTab();
    OnPageChanged(selected, PageOf(Tabs(), selected));
}

bool TabbedDialog::OnNotify(const NMHDR& notice) {
    if (notice.hwndFrom != Tabs()) return false;
    if (notice.code == static_cast<UINT>(TCN_SELCHANGING)) {
        if (HWND page = PageOf(Tabs(), SelectedTab())) ShowWindow(page, SW_HIDE);
        return Answer(FALSE);  // the change may go ahead
    }
    if (notice.code != static_cast<UINT>(TCN_SELCHANGE)) return false;
    ShowSelected();
    return true;
}

}  // namespace qvs
