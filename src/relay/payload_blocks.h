// The global blocks of one payload: released together unless the post
// handed them to the module.
#pragma once
#include <string>
#include <vector>

#include "relay/relay_ports.h"

namespace qvs::relay {

class PayloadBlocks {
public:
    explicit PayloadBlocks(PayloadAllocator& allocator) : allocator_(allocator) {}
    ~PayloadBlocks();
    PayloadBlocks(const PayloadBlocks&) = delete;
    PayloadBlocks& operator=(const PayloadBlocks&) = delete;

    // A terminated copy of text, or null when memory is short.
    char* Text(const std::string& text);
    template <typename Record>
    Record* RecordBlock() {
        return static_cast<Record*>(Keep(allocator_.Allocate(sizeof(Record))));
    }
    // True when every allocation so far succeeded.
    bool Complete() const { return complete_; }
    // The module owns the blocks now.
    void HandOver() { blocks_.clear(); }

private:
    void* Keep(void* block);

    PayloadAllocator& allocator_;
    std::vector<void*> blocks_;
    bool complete_ = true;
};

}  // namespace qvs::relay
