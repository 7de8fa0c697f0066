#include "step_words.h"

#include <cstdlib>

namespace hostsim {

bool ParseUnsigned(const std::string& word, uint32_t& value) {
    if (word.empty() || word.size() > 10 || word.find_first_not_of("0123456789") != std::string::npos) return false;
    unsigned long long parsed = std::strtoull(word.c_str(), nullptr, 10);
    if (parsed > 0xFFFFFFFFull) return false;
    value = static_cast<uint32_t>(parsed);
    return true;
}

bool ParseSigned(const std::string& word, int& value) {
    bool negative = !word.empty() && word[0] == '-';
    uint32_t magnitude = 0;
    if (!ParseUnsigned(negative ? word.substr(1) : word, magnitude) || magnitude > 0x7FFFFFFF) return false;
    value = negative ? -static_cast<int>(magnitude) : static_cast<int>(magnitude);
    return true;
}

bool Matches(const std::string& text, const std::string& expected) {
    if (!expected.empty() && expected.back() == '*')
        return text.compare(0, expected.size() - 1, expected, 0, expected.size() - 1) == 0;
    return text == expected;
}

}  // namespace hostsim
