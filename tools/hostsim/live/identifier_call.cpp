#include "live/identifier_call.h"

#include <cctype>
#include <cstdint>

namespace hostsim::live {
namespace {

constexpr std::size_t kMaxDigits = 9;  // stays below 2^32

}  // namespace

std::vector<std::string> SplitAtCommas(const std::string& inside) {
    std::vector<std::string> args;
    std::size_t start = 0;
    for (std::size_t comma; (comma = inside.find(',', start)) != std::string::npos; start = comma + 1)
        args.push_back(inside.substr(start, comma - start));
    args.push_back(inside.substr(start));
    return args;
}

bool ParseIdentifier(const std::string& text, IdentifierCall& call) {
    call = IdentifierCall{};
    if (text.size() < 2 || text[0] != '$') return false;
    std::size_t end = text.find_first_of("(.", 1);
    call.Name = text.substr(1, end == std::string::npos ? std::string::npos : end - 1);
    if (end == std::string::npos) return true;
    if (text[end] == '(') {
        std::size_t close = text.rfind(')');
        if (close == std::string::npos || close < end) return false;
        call.Args = SplitAtCommas(text.substr(end + 1, close - end - 1));
        end = close + 1;
    }
    if (end >= text.size()) return true;
    if (text[end] != '.') return false;
    call.Property = text.substr(end + 1);
    return true;
}

std::string FirstWord(const std::string& text) {
    std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return std::string();
    return text.substr(first, text.find(' ', first) - first);
}

bool ScriptNumber(const std::string& text, uint32_t& number) {
    std::string word = FirstWord(text);
    if (word.empty() || word.size() > kMaxDigits) return false;
    number = 0;
    for (char c : word) {
        if (!std::isdigit(static_cast<unsigned char>(c))) return false;
        number = number * 10 + static_cast<uint32_t>(c - '0');
    }
    return true;
}

}  // namespace hostsim::live
