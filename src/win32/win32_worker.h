// WorkerPort on Windows: each job on a thread of its own that holds a
// reference on the module until it ends, and the list-generation lock as a
// critical section that lives from the first UI thread to unload.
#pragma once
#include "win32/windows_api.h"

#include "ports/worker_port.h"

namespace qvs {

class Win32Worker final : public WorkerPort {
public:
    bool StartWorker(WorkerJob job, void* context) override;
    void LockListGeneration() override { EnterCriticalSection(&lock_); }
    void UnlockListGeneration() override { LeaveCriticalSection(&lock_); }

    // Makes the lock once; later calls keep it.
    void Prepare();
    // Unload: the lock goes.
    void Release();

private:
    CRITICAL_SECTION lock_{};
    bool ready_ = false;
};

}  // namespace qvs
