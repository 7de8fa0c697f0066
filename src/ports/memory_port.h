// The module's private heap as the statistics page sees it: how much of it
// is allocated, and giving its free pages back.
#pragma once
#include <cstdint>

namespace qvs {

enum class HeapWalkEnd : uint32_t { Finished, Unsupported, Failed };

struct HeapUsage {
    HeapWalkEnd End = HeapWalkEnd::Failed;
    uint64_t AllocatedBytes = 0;  // meaningful when the walk Finished
};

class MemoryPort {
public:
    virtual ~MemoryPort() = default;
    // One walk over the heap's blocks, adding up those in use.
    virtual HeapUsage MeasureHeap() = 0;
    virtual void CompactHeap() = 0;
};

}  // namespace qvs
