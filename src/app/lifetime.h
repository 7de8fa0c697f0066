// Load, start and unload of the module as the host drives them.
#pragma once
#include "win32/windows_api.h"

namespace qvs {

// Process attach: shared area, configuration folder, private heap, debug
// module, configuration files. Nothing runs yet.
void AttachModule(HINSTANCE instance);

// InitDLL: starts the UI thread with its panel unless a panel exists.
void StartModule(HWND hostWindow);

// UnloadDll on the host's thread, outside the loader lock: advertisements
// stopped and configuration saved on the UI thread, the panel closed, the UI
// thread waited for, every served channel released.
void UnloadModule();

// Process detach. After UnloadModule only the heap, the shared area and the
// debug module are left to release. Without it the same ordered unload runs
// here, which is safe because no UI thread can be running any more (see
// ui_thread.h): it has ended, or it is this thread, or the process is ending
// and the platform has already stopped it.
void DetachModule();

}  // namespace qvs
