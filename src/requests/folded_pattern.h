// Finds one pattern in a mapped list file, ASCII letters without regard to
// case. Lists run to a million lines and every line starts with the same
// trigger, so the scan skips ahead on the byte under the pattern's end
// (Horspool) instead of trying every position.
#pragma once
#include <cstddef>
#include <string>

namespace qvs {

class FoldedPattern {
public:
    static constexpr std::size_t kNotFound = static_cast<std::size_t>(-1);

    explicit FoldedPattern(const std::string& pattern);
    std::size_t Length() const { return pattern_.size(); }
    // Offset of the first occurrence that starts at or after from, or
    // kNotFound. Never reads outside data[0, size).
    std::size_t FindIn(const char* data, std::size_t size, std::size_t from) const;

private:
    bool MatchesBefore(const unsigned char* window, std::size_t count) const;

    std::string pattern_;  // folded
    std::size_t shift_[256];
};

// A–Z folded to a–z; every other byte as it is.
unsigned char FoldByte(unsigned char c);

}  // namespace qvs
