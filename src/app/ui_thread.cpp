#include "app/ui_thread.h"

#include <commctrl.h>

#include "app/shell.h"
#include "hostlink/command_log.h"
#include "panel/panel_window.h"
#include "win32/sent_message_wait.h"

namespace qvs {
namespace {

struct StartRequest {
    Shell* Owner;
    HMODULE Pin;
    HANDLE Started;  // signalled once the panel exists or could not be made
};

// A failing handler of the panel is written to the command log (when it is
// on) and to the debugger's output.
void LogFault(const std::string& report) {
    LogPlainLine(TheShell().State, report);
    OutputDebugStringA(report.c_str());
}

void PrepareThread(Shell& shell) {
    SetFaultLog(LogFault);
    shell.Host.CreateLock();
    shell.Worker.Prepare();
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    shell.Timers.TakeOver();
    RegisterPanelClass(shell.Instance);
    RegisterFloodWindowClass(shell.Instance);
}

// Offered in the loop's order to each modeless window that exists.
bool TakenByDialog(Shell& shell, MSG& message) {
    for (HWND dialog : shell.PanelUi.Modeless)
        if (dialog && IsDialogMessageA(dialog, &message)) return true;
    return false;
}

void RunMessageLoop(Shell& shell) {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (TakenByDialog(shell, message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

void FinishThread(Shell& shell) {
    shell.Panel.store(nullptr);
    DestroyPopupMenus(shell.PanelUi.Menus);
    shell.Timers.Release();
    UnregisterFloodWindowClass(shell.Instance);
    UnregisterPanelClass(shell.Instance);
}

void RunUi(Shell& shell, HANDLE started) {
    PrepareThread(shell);
    HWND panel = shell.PanelDialog.Open();
    SetEvent(started);  // the request is gone from here on
    if (panel) RunMessageLoop(shell);
    FinishThread(shell);
}

DWORD WINAPI UiThreadMain(void* parameter) {
    const StartRequest request = *static_cast<StartRequest*>(parameter);
    try {
        RunUi(*request.Owner, request.Started);
    } catch (...) {
    }
    FreeLibraryAndExitThread(request.Pin, 0);
}

// A reference on the module that the UI thread owns.
HMODULE PinModule() {
    HMODULE module = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS, reinterpret_cast<LPCSTR>(&UiThreadMain), &module);
    return module;
}

}  // namespace

void UiThread::Start(Shell& shell) {
    KernelHandle started(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    if (!started.Valid()) return;
    StartRequest request{&shell, PinModule(), started.Get()};
    if (!request.Pin) return;
    DWORD id = 0;
    thread_.Reset(CreateThread(nullptr, 0, UiThreadMain, &request, 0, &id));
    if (!thread_.Valid()) {
        FreeLibrary(request.Pin);
        return;
    }
    id_ = id;
    const HANDLE events[] = {started.Get(), thread_.Get()};
    WaitAnsweringSentMessages(events, 2);
}

void UiThread::WaitForEnd() {
    if (!thread_.Valid() || IsCurrent()) return;
    HANDLE thread = thread_.Get();
    WaitAnsweringSentMessages(&thread, 1);
    Forget();
}

void UiThread::Forget() {
    thread_.Release();
    id_ = 0;
}

}  // namespace qvs
