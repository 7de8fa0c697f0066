#include "requests/folded_pattern.h"

namespace qvs {
namespace {

struct FoldTable {
    unsigned char Map[256];
    constexpr FoldTable() : Map() {
        for (int c = 0; c < 256; ++c) Map[c] = static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
    }
};
constexpr FoldTable kFold;

}  // namespace

unsigned char FoldByte(unsigned char c) { return kFold.Map[c]; }

FoldedPattern::FoldedPattern(const std::string& pattern) : pattern_(pattern) {
    for (char& c : pattern_) c = static_cast<char>(FoldByte(static_cast<unsigned char>(c)));
    std::size_t length = pattern_.size();
    for (std::size_t& shift : shift_) shift = length;
    for (std::size_t i = 0; i + 1 < length; ++i) shift_[static_cast<unsigned char>(pattern_[i])] = length - 1 - i;
}

bool FoldedPattern::MatchesBefore(const unsigned char* window, std::size_t count) const {
    const auto* pattern = reinterpret_cast<const unsigned char*>(pattern_.data());
    for (std::size_t i = 0; i < count; ++i)
        if (kFold.Map[window[i]] != pattern[i]) return false;
    return true;
}

std::size_t FoldedPattern::FindIn(const char* data, std::size_t size, std::size_t from) const {
    std::size_t length = pattern_.size();
    if (length == 0 || size < length || from > size - length) return kNotFound;
    const auto* text = reinterpret_cast<const unsigned char*>(data);
    const std::size_t last = length - 1;
    const auto lastByte = static_cast<unsigned char>(pattern_[last]);
    const std::size_t end = size - length;
    for (std::size_t at = from; at <= end; at += shift_[kFold.Map[text[at + last]]])
        if (kFold.Map[text[at + last]] == lastByte && MatchesBefore(text + at, last)) return at;
    return kNotFound;
}

}  // namespace qvs
