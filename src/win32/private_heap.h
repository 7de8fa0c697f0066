// The module's private heap: every record and text comes from it, so unload
// can drop all of them at once and the statistics page can count them.
#pragma once
#include "win32/windows_api.h"

namespace qvs {

constexpr SIZE_T kPrivateHeapInitialSize = 0x500000;

// Growable and serialised: the UI thread and list generations share it.
// Creation installs it as the record memory; a heap that cannot be made
// leaves the records on the process heap, which is never destroyed.
void CreatePrivateHeap();
// Drops every remaining record; later allocations go to the process heap.
void DestroyPrivateHeap();
HANDLE PrivateHeap();

}  // namespace qvs
