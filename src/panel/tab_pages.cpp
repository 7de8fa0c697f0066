#include "panel/tab_pages.h"

#include <commctrl.h>

#include "panel/panel_resource.h"
#include "panel/panel_state.h"
#include "panel/tab_pages_resource.h"

namespace qvs {
namespace {

constexpr int kPageLeft = 10;
constexpr int kPageTop = 30;

struct PageSpec {
    const char* Tab;
    int Template;
};

enum MainPage { kFileLists, kAdvertisement, kOptions, kStatistics, kGlobal, kUsers, kQueues, kMainPageCount };

const PageSpec kMainPages[kMainPageCount] = {
    {"FileLists", IDD_PAGE_FILELISTS}, {"Advertisement", IDD_PAGE_ADVERTISEMENT}, {"Options", IDD_PAGE_OPTIONS},
    {"Statistics", IDD_PAGE_STATISTICS}, {"Global", IDD_PAGE_GLOBAL},             {"Users", IDD_PAGE_USERS},
    {"Queues", IDD_PAGE_QUEUES},
};
const PageSpec kOptionsPages[] = {
    {"Sharing", IDD_PAGE_SHARING}, {"Misc.", IDD_PAGE_MISC}, {"Resend", IDD_PAGE_RESEND}, {"Hold Queue", IDD_PAGE_HOLD_QUEUE},
};
const PageSpec kGlobalPages[] = {{"General", IDD_PAGE_GENERAL}, {"Flood Control", IDD_PAGE_FLOOD_CONTROL}};
const PageSpec kQueuesPages[] = {
    {"List Queue", IDD_PAGE_LIST_QUEUE}, {"S. Queue", IDD_PAGE_SQUEUE}, {"Op/Voice Queue", IDD_PAGE_OPVOICE_QUEUE},
};

HWND PageOf(HWND tab, int index) {
    TCITEMA item{};
    item.mask = TCIF_PARAM;
    if (!SendMessageA(tab, TCM_GETITEMA, index, reinterpret_cast<LPARAM>(&item))) return nullptr;
    return reinterpret_cast<HWND>(item.lParam);
}

INT_PTR HandlePageMessage(UINT message, LPARAM second) {
    if (message != WM_NOTIFY) return FALSE;
    const auto* notice = reinterpret_cast<const NMHDR*>(second);
    if (notice->code != static_cast<UINT>(TCN_SELCHANGE)) return FALSE;
    ShowSelectedPage(notice->hwndFrom);
    return TRUE;
}

// One procedure for every page until the pages get their own.
INT_PTR CALLBACK PageProc(HWND, UINT message, WPARAM, LPARAM second) {
    try {
        return HandlePageMessage(message, second);
    } catch (...) {
        return FALSE;
    }
}

HWND CreatePage(HINSTANCE instance, HWND tab, int templateId) {
    HWND page = CreateDialogParamA(instance, MAKEINTRESOURCEA(templateId), tab, PageProc, 0);
    if (page) SetWindowPos(page, nullptr, kPageLeft, kPageTop, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return page;
}

void AddPage(HWND tab, int index, const char* text, HWND page) {
    TCITEMA item{};
    item.mask = TCIF_TEXT | TCIF_PARAM;
    item.pszText = const_cast<char*>(text);
    item.lParam = reinterpret_cast<LPARAM>(page);
    SendMessageA(tab, TCM_INSERTITEMA, index, reinterpret_cast<LPARAM>(&item));
}

template <int N>
void AddPages(HINSTANCE instance, HWND tab, const PageSpec (&pages)[N], HWND (&made)[N]) {
    for (int i = 0; i < N; ++i) {
        made[i] = CreatePage(instance, tab, pages[i].Template);
        AddPage(tab, i, pages[i].Tab, made[i]);
    }
    ShowSelectedPage(tab);
}

template <int N>
void AddInnerPages(HINSTANCE instance, HWND page, int tabId, const PageSpec (&pages)[N]) {
    HWND made[N] = {};
    AddPages(instance, GetDlgItem(page, tabId), pages, made);
}

}  // namespace

void CreateTabPages(HINSTANCE instance, HWND panel, PanelState& ui) {
    HWND mainTab = GetDlgItem(panel, IDC_MAIN_TAB);
    HWND pages[kMainPageCount] = {};
    AddPages(instance, mainTab, kMainPages, pages);
    AddInnerPages(instance, pages[kOptions], IDC_OPTIONS_TAB, kOptionsPages);
    AddInnerPages(instance, pages[kGlobal], IDC_GLOBAL_TAB, kGlobalPages);
    AddInnerPages(instance, pages[kQueues], IDC_QUEUES_TAB, kQueuesPages);
    ui.Modeless[kGlobalPage] = pages[kGlobal];
    ui.RegularQueuePage = CreatePage(instance, GetDlgItem(pages[kQueues], IDC_QUEUES_TAB), IDD_PAGE_REGULAR_QUEUE);
}

void ShowSelectedPage(HWND tab) {
    int selected = static_cast<int>(SendMessageA(tab, TCM_GETCURSEL, 0, 0));
    int count = static_cast<int>(SendMessageA(tab, TCM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i)
        if (HWND page = PageOf(tab, i)) ShowWindow(page, i == selected ? SW_SHOW : SW_HIDE);
}

}  // namespace qvs
