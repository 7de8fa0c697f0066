// The functions the host and the companion modules call. InitDLL, ShowPanel
// and _ListGen follow the host's DLL convention; none lets an exception out.
#include "app/lifetime.h"
#include "app/shell.h"
#include "hostlink/exported_values.h"
#include "panel/list_gen_request.h"

namespace {

constexpr int kHostContinues = 1;

enum UnloadReason { kUnloadCommand = 0, kIdleUnload = 1, kHostExiting = 2 };

template <typename Result, typename Body>
Result Guarded(Result fallback, Body body) {
    try {
        return body();
    } catch (...) {
        return fallback;
    }
}

}  // namespace

extern "C" {

int WINAPI InitDLL(HWND hostWindow, HWND, char*, char*, BOOL, BOOL) {
    return Guarded(kHostContinues, [&] {
        qvs::StartModule(hostWindow);
        return kHostContinues;
    });
}

// The host's load hook: the load record is left as the host filled it, which
// keeps the module loaded between calls.
int WINAPI LoadDll(void*) { return kHostContinues; }

int WINAPI ShowPanel(HWND, HWND, char* data, char*, BOOL, BOOL) {
    return Guarded(kHostContinues, [&] {
        if (HWND panel = qvs::TheShell().Panel.load())
            ShowWindow(panel, qvs::PanelShowRequested(data) ? SW_SHOWNORMAL : SW_HIDE);
        return kHostContinues;
    });
}

HWND WINAPI GethWnd() { return qvs::TheShell().Panel.load(); }

void* WINAPI GetValue(DWORD selector) {
    return Guarded<void*>(nullptr, [&] { return qvs::LiveListHead(qvs::TheShell().State, selector); });
}

// Exported as _ListGen (see qvs.def): list regeneration asked by the host,
// for the list named in data. It runs on the UI thread; the host goes on and
// learns the outcome from "/QVSListDone".
int WINAPI ListGenExport(HWND, HWND, char* data, char*, BOOL, BOOL) {
    return Guarded(kHostContinues, [&] {
        qvs::PostListGenRequest(qvs::TheShell().Panel.load(), data);
        return kHostContinues;
    });
}

// The host asks before it unloads the module: after ten idle minutes the
// module stays; for /dll -u and when the host exits the ordered unload runs
// here, where waiting for the UI thread cannot block the platform's loader.
int WINAPI UnloadDll(int reason) {
    if (reason == kIdleUnload) return 0;
    return Guarded(1, [] {
        qvs::UnloadModule();
        return 1;
    });
}

}  // extern "C"
