// Showing one advertisement, on its timer or to a nick that typed a trigger.
#pragma once
#include "model/module_state.h"

namespace qvs {

// nick is null for a timed showing.
void ShowAdvertisement(ModuleState& state, Advertisement* ad, ServedChannel* channel, AdGroupSelection* selection,
                       const char* nick);

}  // namespace qvs
