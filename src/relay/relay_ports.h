// What the relay needs from the platform: blocks the module can free with the
// platform's global release, and a way to post one ServerEvent to the panel.
#pragma once
#include <cstddef>
#include <cstdint>

namespace qvs::relay {

class PayloadAllocator {
public:
    virtual ~PayloadAllocator() = default;
    // A zero-filled block, or null when memory is short.
    virtual void* Allocate(std::size_t bytes) = 0;
    virtual void Release(void* block) = 0;
};

class EventSink {
public:
    virtual ~EventSink() = default;
    // False when nothing was posted (no panel, or the post failed); the
    // payload then still belongs to the caller.
    virtual bool Post(uint32_t message, uintptr_t first, void* payload) = 0;
};

}  // namespace qvs::relay
