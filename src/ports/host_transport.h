// The host's shared-memory message interface: a shared area the module
// writes texts into, messages to the host's main window, and the named lock
// that serialises use of the area.
#pragma once
#include <cstdint>

namespace qvs {

class HostTransport {
public:
    virtual ~HostTransport() = default;
    // Start of the shared area, or null when it could not be mapped.
    virtual char* SharedView() = 0;
    virtual uint32_t SharedViewSize() = 0;
    virtual void Lock() = 0;
    virtual void Unlock() = 0;
    // Sends a message to the host window and waits for the answer.
    virtual uint32_t SendToHost(uint32_t message, uint32_t first, uint32_t second) = 0;
    virtual void PostToHost(uint32_t message, uint32_t first, uint32_t second) = 0;
};

}  // namespace qvs
