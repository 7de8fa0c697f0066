#include "live/irc_message.h"

#include <cctype>

namespace hostsim::live {
namespace {

constexpr char kCtcpMark = '\x01';

std::string NickOfPrefix(const std::string& prefix) { return prefix.substr(0, prefix.find_first_of("!@")); }

std::string Upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// The next blank-separated word from position at; at moves past it.
std::string NextWord(const std::string& line, std::size_t& at) {
    std::size_t end = line.find(' ', at);
    std::string word = line.substr(at, end == std::string::npos ? std::string::npos : end - at);
    at = end == std::string::npos ? line.size() : line.find_first_not_of(' ', end);
    if (at == std::string::npos) at = line.size();
    return word;
}

}  // namespace

bool ParseIrcLine(const std::string& line, IrcMessage& message) {
    message = IrcMessage{};
    std::size_t at = 0;
    if (!line.empty() && line[0] == ':') message.Nick = NickOfPrefix(NextWord(line, ++at));
    message.Command = Upper(NextWord(line, at));
    while (at < line.size()) {
        if (line[at] == ':') {
            message.Params.push_back(line.substr(at + 1));
            break;
        }
        message.Params.push_back(NextWord(line, at));
    }
    return !message.Command.empty();
}

std::string CtcpBody(const std::string& text) {
    if (text.size() < 2 || text.front() != kCtcpMark) return std::string();
    std::size_t end = text.find(kCtcpMark, 1);
    return text.substr(1, end == std::string::npos ? std::string::npos : end - 1);
}

}  // namespace hostsim::live
