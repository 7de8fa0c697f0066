// Where records and their texts come from. In the module this is the
// private heap (so "Allocated memory" counts exactly our records and unload
// can drop the heap whole); natively it is the C heap.
#pragma once
#include <cstddef>
#include <new>
#include <utility>

namespace qvs {

struct RecordMemory {
    void* (*Allocate)(std::size_t bytes);  // zero-filled, or null
    void (*Release)(void* block);
};

// Installed once, before the first record exists.
void SetRecordMemory(const RecordMemory& memory);
void* AllocateZeroed(std::size_t bytes);
void ReleaseBlock(void* block);

template <typename T>
T* NewRecord() {
    void* block = AllocateZeroed(sizeof(T));
    if (!block) return nullptr;
    return new (block) T();
}

template <typename T>
void DeleteRecord(T* record) {
    if (!record) return;
    record->~T();
    ReleaseBlock(record);
}

}  // namespace qvs
