// One line of IRC traffic taken apart: ":nick!user@host COMMAND a b :rest".
#pragma once
#include <string>
#include <vector>

namespace hostsim::live {

struct IrcMessage {
    std::string Nick;     // of the prefix, empty when the server sent it
    std::string Command;  // upper case, or the three-digit reply number
    std::vector<std::string> Params;  // the last one may hold blanks

    std::string Param(std::size_t i) const { return i < Params.size() ? Params[i] : std::string(); }
};

// False for an empty line or one without a command.
bool ParseIrcLine(const std::string& line, IrcMessage& message);

// The words of a CTCP request ("\x01DCC SEND ...\x01"), or empty when the
// text is no CTCP.
std::string CtcpBody(const std::string& text);

}  // namespace hostsim::live
