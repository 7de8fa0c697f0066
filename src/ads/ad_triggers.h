// Advertisements shown to a nick who types a group's trigger word.
#pragma once
#include <string>

#include "model/module_state.h"

namespace qvs {

// true when the word is the trigger of an enabled group shown on triggers;
// its advertisements go to the nick when the channel serves.
bool ShowTriggeredAdvertisements(ModuleState& state, ServedChannel* channel, const std::string& word,
                                 const char* nick);

}  // namespace qvs
