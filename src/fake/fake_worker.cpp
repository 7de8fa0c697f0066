#include "fake/fake_worker.h"

namespace qvs {

bool FakeWorker::StartWorker(WorkerJob job, void* context) {
    if (RefuseThreads) return false;
    if (Inline)
        job(context);
    else
        pending_.push_back(Job{job, context});
    return true;
}

void FakeWorker::UnlockListGeneration() {
    if (lockDepth_ == 0)
        ++UnbalancedUnlocks;
    else
        --lockDepth_;
}

std::size_t FakeWorker::RunPending() {
    std::size_t ran = 0;
    while (!pending_.empty()) {
        Job job = pending_.front();
        pending_.pop_front();
        job.Run(job.Context);
        ++ran;
    }
    return ran;
}

}  // namespace qvs
