#include "app/lifetime.h"

#include <string>

#include "app/shell.h"
#include "hostlink/config_folder.h"
#include "intake/shutdown.h"
#include "intake/unload.h"
#include "panel/panel_window.h"
#include "persistence/configuration.h"
#include "win32/private_heap.h"

namespace qvs {
namespace {

constexpr DWORD kModulePathRoom = 512;

std::string ModulePath(HINSTANCE instance) {
    char path[kModulePathRoom] = {};
    DWORD length = GetModuleFileNameA(instance, path, kModulePathRoom);
    if (length == 0 || length >= kModulePathRoom) return std::string();
    return std::string(path, length);
}

// The part of the unload that needs no UI thread: what the UI thread did not
// prepare, then every served channel and connection.
void FinishUnload(Shell& shell) {
    if (!shell.UnloadPrepared.load()) PrepareUnload(shell.State);
    ReleaseAllConnections(shell.State);
    shell.UnloadDone = true;
}

}  // namespace

void AttachModule(HINSTANCE instance) {
    Shell& shell = TheShell();
    shell.Instance = instance;
    shell.Area.Open();
    PrepareConfigFolder(shell.State, ModulePath(instance));
    CreatePrivateHeap();
    shell.Debug.Load();
    LoadAllConfiguration(shell.State);
}

void StartModule(HWND hostWindow) {
    Shell& shell = TheShell();
    if (shell.Panel.load()) return;
    // Once InitDLL has returned a running UI thread always has its panel: a
    // thread without one is on its way out.
    shell.Ui.WaitForEnd();
    shell.HostWindow.store(hostWindow);
    shell.UnloadPrepared.store(false);
    shell.UnloadDone = false;
    shell.Ui.Start(shell);
}

void UnloadModule() {
    Shell& shell = TheShell();
    if (shell.UnloadDone || shell.Ui.IsCurrent()) return;
    if (HWND panel = shell.Panel.load()) PostMessageA(panel, kUnloadRequest, 0, 0);
    shell.Ui.WaitForEnd();
    FinishUnload(shell);
}

void DetachModule() {
    Shell& shell = TheShell();
    if (!shell.UnloadDone) FinishUnload(shell);
    shell.Ui.Forget();
    shell.Timers.Clear();
    DestroyPrivateHeap();
    shell.Area.Release();
    shell.Debug.Release();
    shell.Host.ReleaseLock();
    shell.Worker.Release();
}

}  // namespace qvs
