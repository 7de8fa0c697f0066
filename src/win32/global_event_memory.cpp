#include "win32/global_event_memory.h"

#include <cstring>

#include "win32/windows_api.h"

namespace qvs {
namespace {

bool Live(void* block) { return block && GlobalFlags(block) != GMEM_INVALID_HANDLE; }

}  // namespace

bool GlobalEventMemory::Holds(void* block, std::size_t bytes) { return Live(block) && GlobalSize(block) >= bytes; }

const char* GlobalEventMemory::TextOf(void* block) {
    if (!Live(block)) return "";
    SIZE_T size = GlobalSize(block);
    if (size == 0) return "";
    char* text = static_cast<char*>(block);
    if (!std::memchr(text, 0, size)) text[size - 1] = '\0';
    return text;
}

void GlobalEventMemory::FreeGlobal(void* block) {
    if (Live(block)) GlobalFree(block);
}

}  // namespace qvs
