// The name of a channel the operator adds: the plain "New Channel" dialog
// takes it as typed, the wizard trims it and puts "#" in front.
#pragma once
#include <string>

#include "model/module_state.h"

namespace qvs {

extern const char kNoChannelNameMessage[];

// "%s is already in the channel list" for a channel that has a
// configuration (ignoring case), or "".
std::string CheckChannelUnique(const ModuleState& state, const std::string& name);

struct ChannelNameAnswer {
    std::string Name;     // what the field shows and the channel is called
    std::string Refusal;  // "" when the wizard may go on
};
// The wizard's channel page.
ChannelNameAnswer CheckWizardChannel(const ModuleState& state, const char* typed);

// The plain dialog's OK: an empty name does nothing (null, no refusal); a
// channel already configured is refused; otherwise a ChannelConfig with the
// defaults at the head of the channels.
ChannelConfig* CreatePlainChannel(ModuleState& state, const char* typed, std::string& refusal);

}  // namespace qvs
