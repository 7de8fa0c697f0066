// Posts ServerEvents to the module's panel. The module is looked up on every
// post and never pinned: the script may unload it between two events, and a
// reference held here would keep it (and its configuration) loaded.
#pragma once
#include "relay/relay_ports.h"

namespace qvs::relay {

// True when the module is loaded and its panel exists.
bool ModulePanelOpen();

class ModulePanelSink : public EventSink {
public:
    // Posts nothing while the module is not loaded or has no panel.
    bool Post(uint32_t message, uintptr_t first, void* payload) override;
};

class GlobalPayloadAllocator : public PayloadAllocator {
public:
    void* Allocate(std::size_t bytes) override;
    void Release(void* block) override;
};

}  // namespace qvs::relay
