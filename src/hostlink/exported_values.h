// What the exported functions answer, apart from the platform: the live list
// that GetValue hands to other modules in the process, and how ShowPanel reads
// its data text.
#pragma once
#include <cstdint>

#include "model/module_state.h"

namespace qvs {

enum LiveList : uint32_t { kLiveConnections = 1, kLiveChannelConfigs = 2 };

// The first record of the chosen list, or null for any other selector.
void* LiveListHead(ModuleState& state, uint32_t selector);

// False when the data text begins with '0' (hide the panel); an empty or
// missing text shows it.
bool PanelShowRequested(const char* data);

}  // namespace qvs
