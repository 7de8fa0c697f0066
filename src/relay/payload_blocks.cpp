#include "relay/payload_blocks.h"

#include <cstring>

namespace qvs::relay {

PayloadBlocks::~PayloadBlocks() {
    for (void* block : blocks_) allocator_.Release(block);
}

char* PayloadBlocks::Text(const std::string& text) {
    auto* block = static_cast<char*>(Keep(allocator_.Allocate(text.size() + 1)));
    if (block) std::memcpy(block, text.c_str(), text.size() + 1);
    return block;
}

void* PayloadBlocks::Keep(void* block) {
    if (block)
        blocks_.push_back(block);
    else
        complete_ = false;
    return block;
}

}  // namespace qvs::relay
