// What the control panel is given by the module that holds it: the core's
// state, the UI thread's own panel state and the few shared handles, all
// owned by the module and living from load to unload.
#pragma once
#include "win32/windows_api.h"

#include <atomic>

#include "model/module_state.h"
#include "panel/framework/panel_state.h"
#include "win32/debug_module.h"

namespace qvs {

struct PanelContext {
    const HINSTANCE& Instance;           // set at load, before any panel
    const std::atomic<HWND>& HostWindow; // the panel's owner
    ModuleState& State;
    PanelState& Ui;
    // The panel's window while it exists; GethWnd reads it from other threads.
    std::atomic<HWND>& Panel;
    // Set once the unload request has stopped the advertisements and saved
    // the configuration on the UI thread.
    std::atomic<bool>& UnloadPrepared;
    // The optional debug module, loaded or not before any panel.
    const DebugModule& Debug;
};

}  // namespace qvs
