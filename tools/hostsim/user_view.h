// What a user reads of a message the host sends for the module: the
// transcript shows it beside the command, so a run reads like the channel.
#pragma once
#include <string>

namespace hostsim {

// "bob reads: text" for a /notice or /msg (after any "/scid <cid> "), with
// the host's colour, bold, underline, italic, reverse and reset codes taken
// out; empty for any other command.
std::string UserView(const std::string& command);

}  // namespace hostsim
