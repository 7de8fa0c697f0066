// "$name(a, b).property" as the host reads an identifier the module asks
// for: the name, the arguments as written between the commas (the script
// takes the first word of each), the property. Names compare without
// regard to case.
#pragma once
#include <string>
#include <vector>

namespace hostsim::live {

struct IdentifierCall {
    std::string Name;  // without "$"
    std::vector<std::string> Args;
    std::string Property;

    std::string Arg(std::size_t i) const { return i < Args.size() ? Args[i] : std::string(); }
};

bool ParseIdentifier(const std::string& text, IdentifierCall& call);

// "a,b,,c" as its four parts.
std::vector<std::string> SplitAtCommas(const std::string& text);

// The script's reading of a number the module hands: the first word,
// digits only; false otherwise.
bool ScriptNumber(const std::string& text, uint32_t& number);

// The first word of a text, as the script's $gettok(..., 1, 32) takes it.
std::string FirstWord(const std::string& text);

}  // namespace hostsim::live
