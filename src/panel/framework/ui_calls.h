// Calls that must run on the UI thread, which owns the panel's windows and
// the records they show. A worker thread (list generation) never touches a
// window itself and never waits for the UI thread: its call is posted to the
// panel and run there between two messages. Posted calls that the panel does
// not live to run are dropped.
#pragma once
#include "win32/windows_api.h"

#include <functional>

namespace qvs {

constexpr UINT kUiCall = WM_APP + 3;

bool IsWindowThread(HWND window);
// On the window's thread: runs it at once. Elsewhere: posts it; false when
// it could not be posted (no window) and was dropped.
bool RunOnWindowThread(HWND window, std::function<void()> call);
// The window's procedure on kUiCall.
void RunPostedCall(LPARAM call);
// The window, as it goes: calls not yet run are dropped.
void DropPostedCalls(HWND window);

}  // namespace qvs
