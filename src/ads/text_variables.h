// Text variables: "$Group.Name$" words in advertisement texts (and in the
// channel statistics answer) replaced by live values before showing.
#pragma once
#include <string>

#include "model/module_state.h"

namespace qvs {

// The text with every variable replaced, cut to what one HostLink text
// holds. nick (the user a showing is for) and channel may be null.
std::string ExpandVariables(ModuleState& state, const ChannelConfig* config, const char* text, const char* nick,
                            const ServedChannel* channel);

// Replaces every occurrence of variable (letters in either case) by value,
// left to right; an inserted value is never searched again.
void ReplaceVariable(const std::string& variable, std::string& text, const std::string& value);

}  // namespace qvs
