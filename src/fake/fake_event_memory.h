// Global allocations as the event relay makes them, tracked so tests can see
// that every payload is freed exactly once.
#pragma once
#include <cstddef>
#include <map>
#include <string>

#include "ports/event_memory_port.h"

namespace qvs {

class FakeEventMemory : public EventMemoryPort {
public:
    ~FakeEventMemory() override;
    bool Holds(void* block, std::size_t bytes) override;
    const char* TextOf(void* block) override;
    void FreeGlobal(void* block) override;

    void* Allocate(std::size_t bytes);
    char* Text(const std::string& text);
    // A block holding exactly these bytes, with no terminator.
    char* RawBytes(const std::string& bytes);
    template <typename T>
    T* Record() {
        return static_cast<T*>(Allocate(sizeof(T)));
    }
    std::size_t LiveBlocks() const { return blocks_.size(); }
    int BadFrees() const { return badFrees_; }

private:
    std::map<void*, std::size_t> blocks_;
    int badFrees_ = 0;
};

}  // namespace qvs
