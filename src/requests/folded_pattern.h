// Finds one pattern in a mapped list file, ASCII letters without regard to
// case. Lists run to a million nearly identical lines (the same trigger,
// often the same artist and extension), so skipping on one byte gains
// little; instead two bytes of the distinctive part of the pattern are
// tested for sixteen starting positions at once and only the positions
// where both match are compared in full.
#pragma once
#include <cstddef>
#include <string>

namespace qvs {

class FoldedPattern {
public:
    static constexpr std::size_t kNotFound = static_cast<std::size_t>(-1);

    // The anchor bytes are chosen from pattern[distinctFrom, distinctTo),
    // the part that tells one line from the others.
    FoldedPattern(const std::string& pattern, std::size_t distinctFrom, std::size_t distinctTo);
    std::size_t Length() const { return pattern_.size(); }
    // Offset of the first occurrence that starts at or after from, or
    // kNotFound. Never reads outside data[0, size).
    std::size_t FindIn(const char* data, std::size_t size, std::size_t from) const;

private:
    struct Anchor {
        std::size_t Offset = 0;
        unsigned char Byte = 0;  // folded
        unsigned char Fold = 0;  // 0x20 for a letter, so either case compares equal
    };
    void ChooseAnchors(std::size_t from, std::size_t to);
    void SetAnchor(Anchor& anchor, std::size_t at) const;
    bool AnchorsMatch(const unsigned char* window) const;
    bool MatchesAt(const unsigned char* window) const;
    std::size_t FindInBlocks(const unsigned char* text, std::size_t& at, std::size_t last) const;

    std::string pattern_;  // folded
    Anchor first_;
    Anchor second_;
};

// A–Z folded to a–z; every other byte as it is.
unsigned char FoldByte(unsigned char c);

}  // namespace qvs
