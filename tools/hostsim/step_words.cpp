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

// Each piece between stars is found at the earliest place after the one
// before it; the first piece must start the text and the last end it.
bool Matches(const std::string& text, const std::string& expected) {
    std::size_t star = expected.find('*');
    if (star == std::string::npos) return text == expected;
    if (text.compare(0, star, expected, 0, star) != 0) return false;
    std::size_t at = star;
    for (;;) {
        std::size_t from = star + 1;
        star = expected.find('*', from);
        if (star == std::string::npos) {
            std::size_t tail = expected.size() - from;
            return text.size() - at >= tail && text.compare(text.size() - tail, tail, expected, from, tail) == 0;
        }
        std::size_t found = text.find(expected.substr(from, star - from), at);
        if (found == std::string::npos) return false;
        at = found + (star - from);
    }
}

}  // namespace hostsim
