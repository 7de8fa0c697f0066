#include "requests/folded_pattern.h"

#include <cstdint>
#include <cstring>

namespace qvs {
namespace {

struct FoldTable {
    unsigned char Map[256];
    constexpr FoldTable() : Map() {
        for (int c = 0; c < 256; ++c) Map[c] = static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
    }
};
constexpr FoldTable kFold;

bool IsLowerLetter(unsigned char c) { return c >= 'a' && c <= 'z'; }

// How common a folded byte is in file names: the commoner, the higher.
// Blanks and dots are in nearly every name, letters by their frequency in
// English, digits fairly common, anything else rare.
int Commonness(unsigned char c) {
    static const char kLettersByFrequency[] = "etaoinshrdlcumwfgypbvkjxqz";
    if (c == ' ') return 300;
    if (c == '.') return 290;
    if (c == '-' || c == '_') return 280;
    if (IsLowerLetter(c)) return 270 - static_cast<int>(std::strchr(kLettersByFrequency, c) - kLettersByFrequency);
    if (c >= '0' && c <= '9') return 200;
    return 100;
}

// Sixteen bytes at a time; the compiler maps this onto the vector unit
// where there is one.
typedef unsigned char Bytes16 __attribute__((vector_size(16)));
typedef signed char Mask16 __attribute__((vector_size(16)));  // what comparing two Bytes16 gives
constexpr std::size_t kBlock = 16;

// Vectors travel by reference: without a vector unit (the 32-bit module
// is built for plain i686) returning them by value has no fixed convention.
void Load(Bytes16& bytes, const unsigned char* at) { std::memcpy(&bytes, at, kBlock); }

void Splat(Bytes16& bytes, unsigned char c) { std::memset(&bytes, c, kBlock); }

bool AnySet(const Mask16& mask) {
    uint64_t halves[2];
    std::memcpy(halves, &mask, kBlock);
    return (halves[0] | halves[1]) != 0;
}

}  // namespace

unsigned char FoldByte(unsigned char c) { return kFold.Map[c]; }

FoldedPattern::FoldedPattern(const std::string& pattern, std::size_t distinctFrom, std::size_t distinctTo)
    : pattern_(pattern) {
    for (char& c : pattern_) c = static_cast<char>(FoldByte(static_cast<unsigned char>(c)));
    if (distinctTo > pattern_.size()) distinctTo = pattern_.size();
    if (distinctFrom >= distinctTo) {
        distinctFrom = 0;
        distinctTo = pattern_.size();
    }
    ChooseAnchors(distinctFrom, distinctTo);
}

// The two least common bytes of the range; on a tie the later one, since
// names of one list tend to differ towards their end.
void FoldedPattern::ChooseAnchors(std::size_t from, std::size_t to) {
    std::size_t best = to, second = to;
    auto rank = [this](std::size_t at) { return Commonness(static_cast<unsigned char>(pattern_[at])); };
    for (std::size_t at = from; at < to; ++at) {
        if (best == to || rank(at) <= rank(best)) {
            second = best;
            best = at;
        } else if (second == to || rank(at) <= rank(second)) {
            second = at;
        }
    }
    if (best == to) return;  // empty pattern
    SetAnchor(first_, best);
    SetAnchor(second_, second == to ? best : second);
}

void FoldedPattern::SetAnchor(Anchor& anchor, std::size_t at) const {
    anchor.Offset = at;
    anchor.Byte = static_cast<unsigned char>(pattern_[at]);
    anchor.Fold = IsLowerLetter(anchor.Byte) ? 0x20 : 0;
}

bool FoldedPattern::AnchorsMatch(const unsigned char* window) const {
    return (window[first_.Offset] | first_.Fold) == first_.Byte &&
           (window[second_.Offset] | second_.Fold) == second_.Byte;
}

bool FoldedPattern::MatchesAt(const unsigned char* window) const {
    const auto* pattern = reinterpret_cast<const unsigned char*>(pattern_.data());
    for (std::size_t i = 0; i < pattern_.size(); ++i)
        if (kFold.Map[window[i]] != pattern[i]) return false;
    return true;
}

// Whole blocks of sixteen starting positions while every byte they need
// lies before last + Length(). A letter ORed with 0x20 is its lower case,
// and no byte but the two cases of a letter ORs into a lower-case letter,
// so the anchor test is exact. Leaves at on the first position not tried.
std::size_t FoldedPattern::FindInBlocks(const unsigned char* text, std::size_t& at, std::size_t last) const {
    Bytes16 firstByte, firstFold, secondByte, secondFold, firstWindow, secondWindow;
    Splat(firstByte, first_.Byte);
    Splat(firstFold, first_.Fold);
    Splat(secondByte, second_.Byte);
    Splat(secondFold, second_.Fold);
    for (; last >= kBlock - 1 && at <= last - (kBlock - 1); at += kBlock) {
        Load(firstWindow, text + at + first_.Offset);
        Load(secondWindow, text + at + second_.Offset);
        Mask16 hits = ((firstWindow | firstFold) == firstByte) & ((secondWindow | secondFold) == secondByte);
        if (!AnySet(hits)) continue;
        for (std::size_t i = 0; i < kBlock; ++i)
            if (hits[i] && MatchesAt(text + at + i)) return at + i;
    }
    return kNotFound;
}

std::size_t FoldedPattern::FindIn(const char* data, std::size_t size, std::size_t from) const {
    std::size_t length = pattern_.size();
    if (length == 0 || size < length || from > size - length) return kNotFound;
    const auto* text = reinterpret_cast<const unsigned char*>(data);
    const std::size_t last = size - length;
    std::size_t at = from;
    std::size_t found = FindInBlocks(text, at, last);
    if (found != kNotFound) return found;
    for (; at <= last; ++at)
        if (AnchorsMatch(text + at) && MatchesAt(text + at)) return at;
    return kNotFound;
}

}  // namespace qvs
