// EventMemoryPort over the global allocations the event relay makes for
// ServerEvent payloads: sizes come from the allocation itself, so a short or
// unterminated block is never read past its end, and only live blocks are
// freed.
#pragma once
#include "ports/event_memory_port.h"

namespace qvs {

class GlobalEventMemory final : public EventMemoryPort {
public:
    bool Holds(void* block, std::size_t bytes) override;
    const char* TextOf(void* block) override;
    void FreeGlobal(void* block) override;
};

}  // namespace qvs
