#include "requests/keyword_set.h"

#include <cstring>
#include <deque>

#include "requests/folded_pattern.h"

namespace qvs {
namespace {

constexpr std::size_t kByteValues = 256;
constexpr uint32_t kRoot = 0;
constexpr std::size_t kBitsPerWord = 64;
// Pieces of a line walked side by side, and the least a piece holds beyond
// the bytes it shares with the one before.
constexpr std::size_t kLanes = 4;
constexpr std::size_t kShortestPiece = 8;

// A power of two of words, so that a line's found bits fit one of the
// fixed widths below; the words beyond the keywords stay 0.
std::size_t WordsFor(std::size_t keywords) {
    std::size_t words = 1;
    while (words * kBitsPerWord < keywords) words *= 2;
    return words;
}

}  // namespace

// Room for the masks is made before the keywords are counted: as many
// columns as the keywords given would need, repeats included.
KeywordSet::KeywordSet(const std::vector<std::string>& keywords) : classOf_(kByteValues, 0) {
    std::size_t room = WordsFor(keywords.size());
    ChooseClasses(keywords, room <= kMostRowWords ? static_cast<uint32_t>(room) * kColumnsPerWord : 0);
    NewNode();
    for (const std::string& keyword : keywords) AddKeyword(keyword);
    words_ = WordsFor(count_);
    rowMasks_ = room <= kMostRowWords;  // count_ never exceeds the keywords given
    masks_.assign(keyword_.size() * words_, 0);
    marks_.assign(keyword_.size(), 0);
    seen_.assign(words_, 0);
    all_.assign(words_, 0);
    for (std::size_t keyword = 0; keyword < count_; ++keyword)
        all_[keyword / kBitsPerWord] |= uint64_t{1} << (keyword % kBitsPerWord);
    LinkFailures();
    MovesToRows();
}

// Only bytes that occur in some keyword need a column of their own; both
// cases of a letter share one. The table stays small for any query.
void KeywordSet::ChooseClasses(const std::vector<std::string>& keywords, uint32_t maskColumns) {
    for (const std::string& keyword : keywords)
        for (char c : keyword) {
            unsigned char folded = FoldByte(static_cast<unsigned char>(c));
            if (classOf_[folded] == 0) classOf_[folded] = static_cast<uint8_t>(classes_++);
        }
    for (std::size_t c = 'A'; c <= 'Z'; ++c) classOf_[c] = classOf_[FoldByte(static_cast<unsigned char>(c))];
    while ((1u << rowShift_) < classes_ + maskColumns) ++rowShift_;
}

uint32_t KeywordSet::NewNode() {
    next_.resize(next_.size() + (std::size_t{1} << rowShift_), kNone);
    keyword_.push_back(kNone);
    return static_cast<uint32_t>(keyword_.size() - 1);
}

// A keyword given twice, in any case, ends where it ended before and counts once.
void KeywordSet::AddKeyword(const std::string& keyword) {
    uint32_t node = kRoot;
    for (char c : keyword) {
        std::size_t edge = Edge(node, classOf_[static_cast<unsigned char>(c)]);
        if (next_[edge] == kNone) {
            uint32_t child = NewNode();
            next_[edge] = child;
        }
        node = next_[edge];
    }
    if (node != kRoot && keyword_[node] == kNone) keyword_[node] = static_cast<uint32_t>(count_++);
    if (keyword.size() > longest_) longest_ = keyword.size();
}

// Breadth first, each node's missing moves become those of its failure
// node, which is nearer the root and already complete: the automaton never
// steps back within a line.
void KeywordSet::LinkFailures() {
    std::vector<uint32_t> failure(keyword_.size(), kRoot);
    std::deque<uint32_t> pending;
    for (uint32_t column = 0; column < classes_; ++column) {
        uint32_t& child = next_[column];
        if (child == kNone)
            child = kRoot;
        else
            pending.push_back(child);
    }
    while (!pending.empty()) {
        uint32_t node = pending.front();
        pending.pop_front();
        uint32_t fail = failure[node];
        InheritMask(node, fail);
        for (uint32_t column = 0; column < classes_; ++column) {
            uint32_t& child = next_[Edge(node, column)];
            uint32_t fallback = next_[Edge(fail, column)];
            if (child == kNone) {
                child = fallback;
            } else {
                failure[child] = fallback;
                pending.push_back(child);
            }
        }
    }
}

// The failure node is nearer the root, so its mask is complete already.
void KeywordSet::InheritMask(uint32_t node, uint32_t fail) {
    for (std::size_t word = 0; word < words_; ++word) masks_[node * words_ + word] = masks_[fail * words_ + word];
    uint32_t own = keyword_[node];
    if (own != kNone) masks_[node * words_ + own / kBitsPerWord] |= uint64_t{1} << (own % kBitsPerWord);
    marks_[node] = marks_[fail] != 0 || own != kNone ? 1 : 0;
}

// The ones found are a few registers: every byte ORs in the mask of its
// node (0 for most), read from the row the step reached, without a branch.
template <std::size_t Words>
class KeywordSet::RowFound {
public:
    RowFound(const uint32_t* rowMasks, const uint64_t* all) : rowMasks_(rowMasks) {
        std::memcpy(all_, all, sizeof all_);
    }
    void Add(uint32_t row) {
        uint64_t mask[Words];
        std::memcpy(mask, rowMasks_ + row, sizeof mask);
        for (std::size_t word = 0; word < Words; ++word) seen_[word] |= mask[word];
    }
    bool Complete() const {
        uint64_t missing = 0;
        for (std::size_t word = 0; word < Words; ++word) missing |= seen_[word] ^ all_[word];
        return missing == 0;
    }

private:
    const uint32_t* rowMasks_;  // the mask columns of row 0
    uint64_t all_[Words];
    uint64_t seen_[Words] = {};
};

class KeywordSet::ManyFound {
public:
    explicit ManyFound(const KeywordSet& set) : set_(set) { set_.seen_.assign(set_.words_, 0); }
    void Add(uint32_t row) {
        uint32_t node = row >> set_.rowShift_;
        if (set_.marks_[node] == 0) return;
        const uint64_t* mask = &set_.masks_[node * set_.words_];
        for (std::size_t word = 0; word < set_.words_; ++word) set_.seen_[word] |= mask[word];
    }
    bool Complete() const { return set_.seen_ == set_.all_; }

private:
    const KeywordSet& set_;
};

// Moves hold rows from here on: a step is one load and an OR.
void KeywordSet::MovesToRows() {
    for (uint32_t& move : next_) move <<= rowShift_;
    if (!rowMasks_) return;
    for (uint32_t node = 0; node < keyword_.size(); ++node)
        std::memcpy(&next_[MaskEdge(node)], &masks_[node * words_], words_ * sizeof(uint64_t));
}

template <class Found>
inline void KeywordSet::Step(Found& found, unsigned char byte, uint32_t& row) const {
    row = next_[row | classOf_[byte]];
    found.Add(row);
}

template <class Found>
inline bool KeywordSet::Walk(Found& found, const unsigned char* from, const unsigned char* to, uint32_t& row) const {
    for (; from < to; ++from) {
        Step(found, *from, row);
        if (found.Complete()) return true;
    }
    return false;
}

// Each step of the automaton waits for the one before, so a single walk
// over a line is as slow as the memory's answer. The line is cut into
// pieces walked side by side instead; each piece after the first starts as
// many bytes early as the longest keyword has, less one, so every
// occurrence lies whole in one piece.
template <class Found>
bool KeywordSet::Scan(Found found, const unsigned char* bytes, std::size_t length) const {
    const std::size_t overlap = longest_ - 1, piece = length / kLanes;
    uint32_t row[kLanes] = {};
    if (piece < overlap + kShortestPiece) return Walk(found, bytes, bytes + length, row[0]);
    const unsigned char* at[kLanes];
    const unsigned char* end[kLanes];
    for (std::size_t lane = 0; lane < kLanes; ++lane) {
        at[lane] = bytes + lane * piece - (lane == 0 ? 0 : overlap);
        end[lane] = lane + 1 == kLanes ? bytes + length : bytes + (lane + 1) * piece;
    }
    // Unrolled, the lanes' rows and the found bits stay in registers.
    for (std::size_t i = 0; i < piece; ++i) {
#pragma GCC unroll 4
        for (std::size_t lane = 0; lane < kLanes; ++lane) Step(found, at[lane][i], row[lane]);
        if (found.Complete()) return true;
    }
    for (std::size_t lane = 0; lane < kLanes; ++lane)
        if (Walk(found, at[lane] + piece, end[lane], row[lane])) return true;
    return false;
}

bool KeywordSet::AllIn(const char* text, std::size_t length) const {
    if (count_ == 0) return true;
    const auto* bytes = reinterpret_cast<const unsigned char*>(text);
    const uint32_t* rowMasks = rowMasks_ ? &next_[MaskEdge(kRoot)] : nullptr;
    switch (rowMasks ? words_ : 0) {
        case 1: return Scan(RowFound<1>(rowMasks, all_.data()), bytes, length);
        case 2: return Scan(RowFound<2>(rowMasks, all_.data()), bytes, length);
        case 4: return Scan(RowFound<4>(rowMasks, all_.data()), bytes, length);
        default: return Scan(ManyFound(*this), bytes, length);
    }
}

}  // namespace qvs
