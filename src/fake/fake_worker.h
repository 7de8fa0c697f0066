// Work off the UI thread, run deterministically: a started job waits until
// the test runs it, or runs at once in inline mode. The list-generation lock
// only counts how deep it is held, so a test can see who holds it when.
#pragma once
#include <cstddef>
#include <cstdint>
#include <deque>

#include "ports/worker_port.h"

namespace qvs {

class FakeWorker final : public WorkerPort {
public:
    bool StartWorker(WorkerJob job, void* context) override;
    void LockListGeneration() override { ++lockDepth_, ++locks_; }
    void UnlockListGeneration() override;

    // Runs the waiting jobs oldest first, and those they start; returns how
    // many ran.
    std::size_t RunPending();
    std::size_t PendingCount() const { return pending_.size(); }
    uint32_t LockDepth() const { return lockDepth_; }
    uint32_t Locks() const { return locks_; }  // taken in all, released or not

    bool Inline = false;         // each job runs inside StartWorker
    bool RefuseThreads = false;  // StartWorker fails, as when no thread can be made
    uint32_t UnbalancedUnlocks = 0;

private:
    struct Job {
        WorkerJob Run;
        void* Context;
    };
    std::deque<Job> pending_;
    uint32_t lockDepth_ = 0;
    uint32_t locks_ = 0;
};

}  // namespace qvs
