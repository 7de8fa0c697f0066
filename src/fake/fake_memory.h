// A private heap whose walk answers what the test sets.
#pragma once
#include <vector>

#include "ports/memory_port.h"

namespace qvs {

class FakeMemory : public MemoryPort {
public:
    HeapUsage MeasureHeap() override {
        ++Walks;
        return Usage;
    }
    void CompactHeap() override { Compactions.push_back(Walks); }

    HeapUsage Usage{HeapWalkEnd::Finished, 0};
    int Walks = 0;
    // For each compaction, the number of walks made before it.
    std::vector<int> Compactions;
};

}  // namespace qvs
