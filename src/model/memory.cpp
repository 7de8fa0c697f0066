#include "model/memory.h"

#include <cstdlib>

namespace qvs {
namespace {

void* CAllocate(std::size_t bytes) { return std::calloc(1, bytes ? bytes : 1); }
void CRelease(void* block) { std::free(block); }

RecordMemory g_memory{CAllocate, CRelease};

}  // namespace

void SetRecordMemory(const RecordMemory& memory) { g_memory = memory; }
void* AllocateZeroed(std::size_t bytes) { return g_memory.Allocate(bytes); }
void ReleaseBlock(void* block) {
    if (block) g_memory.Release(block);
}

}  // namespace qvs
