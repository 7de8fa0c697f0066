// Keyword search over the lists a channel serves.
#pragma once
#include "model/module_state.h"

namespace qvs {

// query: the words after the search trigger, already trimmed.
void KeywordSearch(ModuleState& state, ServedChannel* channel, const char* query, const char* nick);

}  // namespace qvs
