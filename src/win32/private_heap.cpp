#include "win32/private_heap.h"

#include "model/memory.h"

namespace qvs {
namespace {

// The record memory hooks are plain functions, so the heap they use is too.
HANDLE g_heap = nullptr;
bool g_owned = false;

void* Allocate(std::size_t bytes) { return HeapAlloc(g_heap, HEAP_ZERO_MEMORY, bytes ? bytes : 1); }
void Release(void* block) { HeapFree(g_heap, 0, block); }
void ReleaseNothing(void*) {}

}  // namespace

void CreatePrivateHeap() {
    g_heap = HeapCreate(0, kPrivateHeapInitialSize, 0);
    g_owned = g_heap != nullptr;
    if (!g_owned) g_heap = GetProcessHeap();
    SetRecordMemory(RecordMemory{Allocate, Release});
}

void DestroyPrivateHeap() {
    HANDLE heap = g_heap;
    bool owned = g_owned;
    g_heap = GetProcessHeap();
    g_owned = false;
    SetRecordMemory(RecordMemory{Allocate, ReleaseNothing});
    if (owned) HeapDestroy(heap);
}

HeapUsage PrivateHeapMemory::MeasureHeap() {
    HeapUsage usage;
    if (!HeapLock(g_heap)) return usage;
    PROCESS_HEAP_ENTRY entry{};
    while (HeapWalk(g_heap, &entry))
        if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) usage.AllocatedBytes += entry.cbData;
    DWORD end = GetLastError();
    HeapUnlock(g_heap);
    if (end == ERROR_NO_MORE_ITEMS)
        usage.End = HeapWalkEnd::Finished;
    else if (end == ERROR_CALL_NOT_IMPLEMENTED)
        usage.End = HeapWalkEnd::Unsupported;
    return usage;
}

void PrivateHeapMemory::CompactHeap() { HeapCompact(g_heap, 0); }

}  // namespace qvs
