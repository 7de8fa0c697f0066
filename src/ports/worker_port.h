// Work that runs off the UI thread (list generation) and the lock that keeps
// one such job at a time. On Windows a thread and a critical section; the
// native side can run a job inline or hold it until a test lets it run.
#pragma once

namespace qvs {

// A job receives only the context it was started with, never the module
// state: the UI thread may change anything else while it runs.
using WorkerJob = void (*)(void* context);

class WorkerPort {
public:
    virtual ~WorkerPort() = default;
    // Starts the job on a thread of its own; false when no thread could be
    // made (the caller then runs it inline or reports the failure).
    virtual bool StartWorker(WorkerJob job, void* context) = 0;
    // The list-generation lock. Re-entrant on the thread that holds it.
    virtual void LockListGeneration() = 0;
    virtual void UnlockListGeneration() = 0;
};

}  // namespace qvs
