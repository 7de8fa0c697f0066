// The module's private heap: every record and text comes from it, so unload
// can drop all of them at once and the statistics page can count them.
#pragma once
#include "win32/windows_api.h"

#include "ports/memory_port.h"

namespace qvs {

constexpr SIZE_T kPrivateHeapInitialSize = 0x500000;

// Growable and serialised: the UI thread and list generations share it.
// Creation installs it as the record memory; a heap that cannot be made
// leaves the records on the process heap, which is never destroyed.
void CreatePrivateHeap();
// Drops every remaining record at once. Whatever is still released afterwards
// (a record's owner that outlives the heap) is ignored, and the rare late
// allocation comes from the process heap and is left there.
void DestroyPrivateHeap();

// The statistics page's view of that heap. The walk holds the heap's lock,
// as a generation thread may allocate meanwhile.
class PrivateHeapMemory final : public MemoryPort {
public:
    HeapUsage MeasureHeap() override;
    void CompactHeap() override;
};

}  // namespace qvs
