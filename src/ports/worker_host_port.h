// The host as work off the UI thread speaks to it: whole commands, each
// copied into the host's area under the host-link lock by the link itself,
// never through the UI thread's buffer.
#pragma once

namespace qvs {

class WorkerHostPort {
public:
    virtual ~WorkerHostPort() = default;
    // Waits until the host has run the command.
    virtual void ExecuteCommand(const char* command) = 0;
    // Returns at once; the command must reach the host intact even when
    // other commands follow at once.
    virtual void PostCommand(const char* command) = 0;
};

}  // namespace qvs
