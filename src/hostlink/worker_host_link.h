// The host as a list-generation thread reaches it: each command is handed
// over whole and goes into the shared area under the HostLink lock, never
// through the UI thread's HostLink buffer.
#pragma once
#include "model/host_link_object.h"
#include "ports/worker_host_port.h"

namespace qvs {

class WorkerHostLink final : public WorkerHostPort {
public:
    explicit WorkerHostLink(HostLink& link) : link_(link) {}
    void ExecuteCommand(const char* command) override;
    // Executed as well: the host reads the shared area only when it handles
    // the message, so a real post would let the next command overwrite this
    // one first. The thread that posts holds no lock the host or the UI
    // thread could be waiting on, and the generation has already ended.
    void PostCommand(const char* command) override;

private:
    HostLink& link_;
};

}  // namespace qvs
