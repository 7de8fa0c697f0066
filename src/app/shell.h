// Everything the module holds inside the host process: the core's state with
// its Windows adapters, the shell's own kernel objects and the UI thread.
// There is one, because the host reaches the module only through exports.
#pragma once
#include "win32/windows_api.h"

#include <atomic>

#include "app/ui_thread.h"
#include "hostlink/worker_host_link.h"
#include "lists/list_body_writer.h"
#include "model/module_state.h"
#include "panel/panel_notifications.h"
#include "panel/framework/panel_state.h"
#include "panel/panel_window.h"
#include "win32/debug_module.h"
#include "win32/flood_window_port.h"
#include "win32/global_event_memory.h"
#include "win32/host_window_link.h"
#include "win32/private_heap.h"
#include "win32/ole_storage.h"
#include "win32/private_profile.h"
#include "win32/shared_area.h"
#include "win32/system_clock.h"
#include "win32/thread_timers.h"
#include "win32/win32_files.h"
#include "win32/win32_processes.h"
#include "win32/win32_worker.h"

namespace qvs {

struct Shell {
    Shell();
    Shell(const Shell&) = delete;
    Shell& operator=(const Shell&) = delete;

    HINSTANCE Instance = nullptr;
    ModuleState State;
    SharedArea Area;
    DebugModule Debug;

    // Set by InitDLL; the target of every HostLink message.
    std::atomic<HWND> HostWindow{nullptr};
    // The control panel, or null. GethWnd reads it from other threads.
    std::atomic<HWND> Panel{nullptr};
    UiThread Ui;
    PanelState PanelUi;  // the UI thread's own

    // The UI thread saved the configuration on the unload request.
    std::atomic<bool> UnloadPrepared{false};
    // The ordered unload has run; the next UI thread clears it.
    bool UnloadDone = false;

    HostWindowLink Host{Area, HostWindow};
    SystemClock Clock;
    ThreadTimers Timers{State};
    FloodWindowPort Windows{Instance, Panel};
    Win32Files Files;
    OleStorage Storage;
    PanelNotifications Notifications{Panel, PanelUi};
    PanelWindow PanelDialog{{Instance, HostWindow, State, PanelUi, Panel, UnloadPrepared, Debug}};
    GlobalEventMemory EventMemory;
    PrivateProfile Profile;
    // List generation threads and their lock; the lock is kept from the
    // first UI thread start to unload, like the HostLink lock.
    Win32Worker Worker;
    ListBodyWriter ListBody{Files};
    Win32Processes Processes;
    WorkerHostLink WorkerHost{State.Link};
    PrivateHeapMemory Memory;
};

Shell& TheShell();

}  // namespace qvs
