// Work off the UI thread, natively and deterministically: a started job is
// held until the test runs it (or runs at once), the list-generation lock
// is a depth the test can read, and the host as a generation thread reaches
// it is a record of whole commands.
#pragma once
#include <string>
#include <utility>
#include <vector>

#include "ports/worker_host_port.h"
#include "ports/worker_port.h"

namespace qvs {

class HeldWorker : public WorkerPort {
public:
    bool StartWorker(WorkerJob job, void* context) override {
        if (!CanStart) return false;
        Held.emplace_back(job, context);
        if (RunAtOnce) RunHeld();
        return true;
    }
    void LockListGeneration() override { ++LockDepth, ++Locks; }
    void UnlockListGeneration() override { --LockDepth; }
    // Runs the held jobs in the order they were started.
    void RunHeld() {
        std::vector<std::pair<WorkerJob, void*>> jobs;
        jobs.swap(Held);
        for (auto& job : jobs) job.first(job.second);
    }

    bool CanStart = true;
    bool RunAtOnce = false;
    int LockDepth = 0;
    int Locks = 0;
    std::vector<std::pair<WorkerJob, void*>> Held;
};

class RecordingWorkerHost : public WorkerHostPort {
public:
    void ExecuteCommand(const char* command) override { Executed.push_back(command); }
    void PostCommand(const char* command) override { Posted.push_back(command); }
    std::vector<std::string> Executed, Posted;
};

}  // namespace qvs
