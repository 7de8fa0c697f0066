// ServerEvent payloads are global allocations made by the event relay; the
// module checks them against their allocation size and frees each one after
// handling it.
#pragma once
#include <cstddef>

namespace qvs {

class EventMemoryPort {
public:
    virtual ~EventMemoryPort() = default;
    // True when block is a live allocation of at least bytes.
    virtual bool Holds(void* block, std::size_t bytes) = 0;
    // Makes block a terminated text within its allocation (cutting its last
    // byte if need be); null or unusable blocks read as "".
    virtual const char* TextOf(void* block) = 0;
    virtual void FreeGlobal(void* block) = 0;
};

}  // namespace qvs
