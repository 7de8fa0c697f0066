// Answers to the nick who addressed a served channel: on the channel's
// connection, naming the channel for the Undernet forms.
#pragma once
#include <string>

#include "model/module_state.h"

namespace qvs {

void ReplyPrivately(ModuleState& state, const ServedChannel* channel, const char* nick, const std::string& text);
void ReplyByNotice(ModuleState& state, const ServedChannel* channel, const char* nick, const std::string& text);

}  // namespace qvs
