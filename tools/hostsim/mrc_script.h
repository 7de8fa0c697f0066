// A companion script file read into its aliases and event handlers, each
// kept as the text of its body, for the evaluator to follow.
#pragma once
#include <map>
#include <string>

namespace hostsim {

class MrcScript {
public:
    // False with a reason when a block does not close.
    bool Read(const std::string& text, std::string& error);
    // The body of that alias or of the first handler of that event ("NICK",
    // "FILESENT"), or null.
    const std::string* Alias(const std::string& name) const;
    const std::string* Event(const std::string& event) const;

private:
    std::map<std::string, std::string> aliases_;
    std::map<std::string, std::string> events_;
};

// Lower-case copy, as the host compares names.
std::string LowerCase(std::string text);

// The index of the bracket that closes the one at open (same kind), or npos.
std::size_t MatchingClose(const std::string& text, std::size_t open);

}  // namespace hostsim
