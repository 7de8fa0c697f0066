// "$name(a, b).property" as the host reads an identifier the module asks
// for: the name, the arguments with the blanks around commas dropped, the
// property.
#pragma once
#include <string>
#include <vector>

namespace hostsim::live {

struct IdentifierCall {
    std::string Name;  // lower case, without "$"
    std::vector<std::string> Args;
    std::string Property;  // lower case

    std::string Arg(std::size_t i) const { return i < Args.size() ? Args[i] : std::string(); }
};

bool ParseIdentifier(const std::string& text, IdentifierCall& call);

// The script's reading of a number the module hands: the first word,
// digits only; false otherwise.
bool ScriptNumber(const std::string& text, uint32_t& number);

// The first word of a text, as the script's $gettok(..., 1, 32) takes it.
std::string FirstWord(const std::string& text);

}  // namespace hostsim::live
