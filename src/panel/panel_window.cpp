#include "panel/panel_window.h"

#include "hostlink/flood_windows.h"
#include "intake/server_events.h"
#include "intake/unload.h"
#include "panel/channel_combo.h"
#include "panel/framework/ui_calls.h"
#include "panel/list_gen_request.h"
#include "panel/managers/manager_windows_resource.h"
#include "panel/panel_window_resource.h"
#include "panel/system_menu.h"

namespace qvs {
namespace {

bool IsServerEvent(UINT message) { return message >= kEventJoin && message <= kEventClosePanel; }

}  // namespace

// The class's window procedure is the platform's dialog procedure, which
// hands every message to the panel's dialog procedure.
void RegisterPanelClass(HINSTANCE instance) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = DefDlgProcA;
    windowClass.cbWndExtra = DLGWINDOWEXTRA;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kPanelClass;
    RegisterClassExA(&windowClass);
}

void UnregisterPanelClass(HINSTANCE instance) { UnregisterClassA(kPanelClass, instance); }

PanelWindow::PanelWindow(const PanelContext& context)
    : TabbedDialog(IDD_PANEL, IDC_MAIN_TAB),
      context_(context),
      fileLists_(context.State),
      advertisement_(context.State),
      options_(context.State),
      statistics_(context.State, context.Debug),
      global_(context.State),
      users_(context.State),
      queues_(context.State, context.Ui),
      fileListManager_(context.State, [this] { fileLists_.Refill(); }),
      adsManager_(context.State, prompt_, context.HostWindow),
      userManager_(context.State) {}

HWND PanelWindow::Open() {
    HWND panel = CreateModeless(context_.Instance, context_.HostWindow.load());
    if (!panel) return nullptr;
    HICON icon = LoadIconA(context_.Instance, MAKEINTRESOURCEA(IDI_QVS));
    SendMessageA(panel, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    RememberInitialSize();
    AppendSystemMenuItems(panel);
    adsManager_.OnGroupsChanged([this] { advertisement_.Refresh(); });
    CreateManagers();
    AddMainPages();
    FillChannelCombo(context_.State, panel);
    ReopenFloodWindows(context_.State);
    return panel;
}

void PanelWindow::RememberInitialSize() {
    RECT frame{};
    GetWindowRect(Window(), &frame);
    context_.Ui.InitialWidth = frame.right - frame.left;
    context_.Ui.InitialHeight = frame.bottom - frame.top;
}

void PanelWindow::AddMainPages() {
    const TabPage pages[] = {
        {"FileLists", &fileLists_}, {"Advertisement", &advertisement_}, {"Options", &options_}, {"Statistics", &statistics_},
        {"Global", &global_},       {"Users", &users_},                 {"Queues", &queues_},
    };
    AddPages(pages);
    context_.Ui.Modeless[kGlobalPage] = global_.Window();
    context_.Ui.RegularQueuePage = queues_.RegularQueue();
}

bool PanelWindow::OnInit() {
    context_.Panel.store(Window());
    context_.Ui.Modeless[kPanelWindow] = Window();
    context_.Ui.Views = &views_;
    CreatePopupMenus(context_.Ui.Menus);
    StartPeriodicTimers(context_.State, context_.Ui.Timers);
    SetWindowTextA(Window(), kAppName);
    return false;
}

void PanelWindow::OnDestroy() {
    StopPanelTimers(context_.State, context_.Ui.Timers);
    ForgetFloodWindows(context_.State);
    DropListGenRequests(Window());
    DropPostedCalls(Window());
    context_.Ui.Views = nullptr;
    context_.Ui.CurrentChannel = nullptr;
    PostQuitMessage(0);
    for (HWND& window : context_.Ui.Modeless) window = nullptr;
    context_.Ui.RegularQueuePage = nullptr;
    context_.Panel.store(nullptr);
}

void PanelWindow::OnUnloadRequest() {
    PrepareUnload(context_.State);
    context_.UnloadPrepared.store(true);
    SendMessageA(Window(), WM_CLOSE, 0, 0);
}

bool PanelWindow::OnServerEvent(UINT message, WPARAM first, LPARAM second) {
    switch (HandleServerEvent(context_.State, message, first, static_cast<uintptr_t>(second))) {
        case EventResult::Handled: return true;
        case EventResult::ClosePanel: DestroyWindow(Window()); return true;
        case EventResult::NotOurs: break;
    }
    return false;
}

// Empty parts of the panel drag it like its caption.
bool PanelWindow::OnHitTest(WPARAM first, LPARAM second) {
    LRESULT hit = DefWindowProcA(Window(), WM_NCHITTEST, first, second);
    return Answer(hit == HTCLIENT ? HTCAPTION : hit);
}

bool PanelWindow::OnMessage(UINT message, WPARAM first, LPARAM second) {
    if (IsServerEvent(message)) return OnServerEvent(message, first, second);
    switch (message) {
        case WM_DESTROY: OnDestroy(); return true;
        // A dialog's default would only press Cancel: the close request
        // destroys the panel.
        case WM_CLOSE: DestroyWindow(Window()); return true;
        case WM_NCHITTEST: return OnHitTest(first, second);
        case WM_SYSCOMMAND: return HandleSystemCommand(context_.Instance, Window(), context_.Ui, about_, first);
        case kUnloadRequest: OnUnloadRequest(); return true;
        case kListGenRequest: RunListGenRequest(context_.State, second); return true;
        case kUiCall: RunPostedCall(second); return true;
        default: return false;
    }
}

}  // namespace qvs
