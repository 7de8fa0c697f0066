// The other keywords of a search, all looked for in one pass over a line:
// one automaton over the folded keywords, so a query of many keywords costs
// a line no more than a query of one.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace qvs {

class KeywordSet {
public:
    // Empty keywords ask nothing of a line.
    explicit KeywordSet(const std::vector<std::string>& keywords);
    // true when every keyword occurs in text[0, length), ASCII letters
    // without regard to case. Not for use from two threads at once when
    // there are more than 256 keywords.
    bool AllIn(const char* text, std::size_t length) const;

private:
    static constexpr uint32_t kNone = UINT32_MAX;
    // Up to 256 keywords (more than a line of text can ask for), the last
    // columns of every row hold the node's found-keyword bits: the step that
    // reaches a row brings its bits into the cache with it.
    static constexpr std::size_t kMostRowWords = 4;
    static constexpr uint32_t kColumnsPerWord = 2;
    template <std::size_t Words>
    class RowFound;
    class ManyFound;

    void ChooseClasses(const std::vector<std::string>& keywords, uint32_t maskColumns);
    void AddKeyword(const std::string& keyword);
    uint32_t NewNode();
    void LinkFailures();
    void InheritMask(uint32_t node, uint32_t fail);
    void MovesToRows();
    // One byte through the automaton; a run of bytes, true once every
    // keyword has been seen.
    template <class Found>
    void Step(Found& found, unsigned char byte, uint32_t& row) const;
    template <class Found>
    bool Walk(Found& found, const unsigned char* from, const unsigned char* to, uint32_t& row) const;
    template <class Found>
    bool Scan(Found found, const unsigned char* bytes, std::size_t length) const;

    // A row per node, as wide as the next power of two of the columns used:
    // the step from byte to byte is then a shift, not a multiplication.
    std::size_t Edge(uint32_t node, uint32_t column) const {
        return (static_cast<std::size_t>(node) << rowShift_) | column;
    }
    std::size_t MaskEdge(uint32_t node) const {
        return Edge(node, (1u << rowShift_) - static_cast<uint32_t>(words_) * kColumnsPerWord);
    }

    std::vector<uint8_t> classOf_;  // byte -> column; 0 for bytes in no keyword
    uint32_t classes_ = 1;
    uint32_t rowShift_ = 0;
    // Edge(node, column) -> the next node; once built, the next node's row
    // (Edge(next, 0)), which saves the shift on every byte. With rowMasks_,
    // MaskEdge(node) holds the node's mask as well.
    std::vector<uint32_t> next_;
    std::vector<uint32_t> keyword_;  // node -> the keyword ending there, or kNone
    // Per node, one bit for each keyword that ends there or at a node of its
    // failure chain: reaching the node means all of them occur. words_ words
    // a node; marks_ says whether any bit is set.
    std::size_t words_ = 0;
    bool rowMasks_ = false;
    std::vector<uint64_t> masks_;
    std::vector<uint8_t> marks_;
    std::size_t count_ = 0;  // distinct keywords
    std::size_t longest_ = 0;
    std::vector<uint64_t> all_;           // the bits of every keyword
    mutable std::vector<uint64_t> seen_;  // beyond 256 keywords: those found in the line so far
};

}  // namespace qvs
