#include "fake/fake_event_memory.h"

#include <cstdlib>
#include <cstring>

namespace qvs {

FakeEventMemory::~FakeEventMemory() {
    for (auto& block : blocks_) std::free(block.first);
}

bool FakeEventMemory::Holds(void* block, std::size_t bytes) {
    auto found = blocks_.find(block);
    return found != blocks_.end() && found->second >= bytes;
}

const char* FakeEventMemory::TextOf(void* block) {
    auto found = blocks_.find(block);
    if (found == blocks_.end() || found->second == 0) return "";
    char* text = static_cast<char*>(block);
    if (!std::memchr(text, 0, found->second)) text[found->second - 1] = '\0';
    return text;
}

void FakeEventMemory::FreeGlobal(void* block) {
    if (!block) return;
    auto found = blocks_.find(block);
    if (found == blocks_.end()) {
        ++badFrees_;
        return;
    }
    std::free(block);
    blocks_.erase(found);
}

void* FakeEventMemory::Allocate(std::size_t bytes) {
    void* block = std::calloc(1, bytes ? bytes : 1);
    blocks_[block] = bytes;
    return block;
}

char* FakeEventMemory::Text(const std::string& text) {
    char* block = static_cast<char*>(Allocate(text.size() + 1));
    std::memcpy(block, text.c_str(), text.size() + 1);
    return block;
}

char* FakeEventMemory::RawBytes(const std::string& bytes) {
    char* block = static_cast<char*>(Allocate(bytes.size()));
    if (!bytes.empty()) std::memcpy(block, bytes.data(), bytes.size());
    return block;
}

}  // namespace qvs
