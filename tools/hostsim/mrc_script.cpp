#include "mrc_script.h"

#include <cctype>
#include <sstream>

namespace hostsim {
namespace {

bool IsComment(const std::string& line) {
    std::size_t first = line.find_first_not_of(" \t");
    return first != std::string::npos && line[first] == ';';
}

// The script without its comment lines.
std::string CodeOf(const std::string& text) {
    std::istringstream lines(text);
    std::string line, code;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!IsComment(line)) code += line + "\n";
    }
    return code;
}

std::string FirstWords(const std::string& header, std::size_t count) {
    std::istringstream words(header);
    std::string word, last;
    for (std::size_t i = 0; i < count && words >> word; ++i) last = word;
    return last;
}

// "alias -l name {": the name; "on *:EVENT:...:{": the event.
std::string AliasName(const std::string& header) {
    std::string second = FirstWords(header, 2);
    return LowerCase(second == "-l" ? FirstWords(header, 3) : second);
}

std::string EventName(const std::string& header) {
    std::string spec = FirstWords(header, 2);
    std::size_t colon = spec.find(':');
    std::string event = colon == std::string::npos ? std::string() : spec.substr(colon + 1);
    event = event.substr(0, event.find(':'));
    for (char& c : event) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return event;
}

}  // namespace

std::string LowerCase(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::size_t MatchingClose(const std::string& text, std::size_t open) {
    char opening = text[open];
    char closing = opening == '(' ? ')' : '}';
    int depth = 0;
    for (std::size_t i = open; i < text.size(); ++i) {
        if (text[i] == opening) ++depth;
        else if (text[i] == closing && --depth == 0) return i;
    }
    return std::string::npos;
}

bool MrcScript::Read(const std::string& text, std::string& error) {
    std::string code = CodeOf(text);
    for (std::size_t at = 0; at < code.size();) {
        std::size_t lineEnd = code.find('\n', at);
        std::size_t open = code.find('{', at);
        if (open == std::string::npos || (lineEnd != std::string::npos && open > lineEnd)) {
            at = lineEnd == std::string::npos ? code.size() : lineEnd + 1;
            continue;
        }
        std::size_t close = MatchingClose(code, open);
        if (close == std::string::npos) {
            error = "a block does not close: " + code.substr(at, open - at);
            return false;
        }
        std::string header = code.substr(at, open - at);
        std::string body = code.substr(open + 1, close - open - 1);
        std::string keyword = LowerCase(FirstWords(header, 1));
        if (keyword == "alias") aliases_[AliasName(header)] = body;
        else if (keyword == "on") events_.emplace(EventName(header), body);
        at = close + 1;
    }
    return true;
}

const std::string* MrcScript::Alias(const std::string& name) const {
    auto found = aliases_.find(LowerCase(name));
    return found == aliases_.end() ? nullptr : &found->second;
}

const std::string* MrcScript::Event(const std::string& event) const {
    auto found = events_.find(event);
    return found == events_.end() ? nullptr : &found->second;
}

}  // namespace hostsim
