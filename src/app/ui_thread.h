// The module's one UI thread: it owns the panel, every timer and all serving
// work. While it runs it holds a reference on the module, dropped only as the
// thread exits (FreeLibraryAndExitThread), so the module's code and records
// cannot be unloaded under it: if the host frees the module while the panel
// is open, the unload happens when the UI thread ends, on that thread.
#pragma once
#include "win32/handles.h"
#include "win32/windows_api.h"

namespace qvs {

struct Shell;

class UiThread {
public:
    // Starts the thread and returns once its panel exists or it gave up.
    void Start(Shell& shell);
    bool Exists() const { return thread_.Valid(); }
    bool IsCurrent() const { return id_ && id_ == GetCurrentThreadId(); }
    // Waits until the thread has ended, answering sent messages meanwhile,
    // and closes its handle. Nothing when there is no thread or when called
    // on the thread itself.
    void WaitForEnd();
    // Unload: the thread has ended or is the caller; only the handle goes.
    void Forget();

private:
    KernelHandle thread_;
    DWORD id_ = 0;
};

}  // namespace qvs
