// The host as a generation thread reaches it, natively: a record of the
// whole commands it executed and posted, in order.
#pragma once
#include <string>
#include <vector>

#include "ports/worker_host_port.h"

namespace qvs {

class RecordingWorkerHost : public WorkerHostPort {
public:
    void ExecuteCommand(const char* command) override { Executed.push_back(command); }
    void PostCommand(const char* command) override { Posted.push_back(command); }
    std::vector<std::string> Executed, Posted;
};

}  // namespace qvs
