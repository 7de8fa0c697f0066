#include "requests/keyword_set.h"

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

}  // namespace

KeywordSet::KeywordSet(const std::vector<std::string>& keywords) : classOf_(kByteValues, 0) {
    ChooseClasses(keywords);
    NewNode();
    for (const std::string& keyword : keywords) AddKeyword(keyword);
    words_ = (count_ + kBitsPerWord - 1) / kBitsPerWord;
    masks_.assign(keyword_.size() * words_, 0);
    marks_.assign(keyword_.size(), 0);
    seen_.assign(words_, 0);
    all_.assign(words_, ~uint64_t{0});
    if (count_ % kBitsPerWord != 0) all_.back() = (uint64_t{1} << (count_ % kBitsPerWord)) - 1;
    LinkFailures();
}

// Only bytes that occur in some keyword need a column of their own; both
// cases of a letter share one. The table stays small for any query.
void KeywordSet::ChooseClasses(const std::vector<std::string>& keywords) {
    for (const std::string& keyword : keywords)
        for (char c : keyword) {
            unsigned char folded = FoldByte(static_cast<unsigned char>(c));
            if (classOf_[folded] == 0) classOf_[folded] = static_cast<uint8_t>(classes_++);
        }
    for (std::size_t c = 'A'; c <= 'Z'; ++c) classOf_[c] = classOf_[FoldByte(static_cast<unsigned char>(c))];
    while ((1u << rowShift_) < classes_) ++rowShift_;
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

// Adds the keywords that reaching node shows to those found; true once all
// are. Without branches: on a line full of keywords this runs every byte.
inline bool KeywordSet::Mark(uint32_t node) const {
    const uint64_t* mask = &masks_[node * words_];
    bool complete = true;
    for (std::size_t word = 0; word < words_; ++word) {
        seen_[word] |= mask[word];
        complete &= seen_[word] == all_[word];
    }
    return complete;
}

inline bool KeywordSet::Step(unsigned char byte, uint32_t& node) const {
    node = next_[Edge(node, classOf_[byte])];
    return marks_[node] != 0 && Mark(node);
}

bool KeywordSet::Walk(const unsigned char* from, const unsigned char* to, uint32_t& node) const {
    for (; from < to; ++from)
        if (Step(*from, node)) return true;
    return false;
}

// Each step of the automaton waits for the one before, so a single walk
// over a line is as slow as the memory's answer. The line is cut into
// pieces walked side by side instead; each piece after the first starts as
// many bytes early as the longest keyword has, less one, so every
// occurrence lies whole in one piece.
bool KeywordSet::AllIn(const char* text, std::size_t length) const {
    if (count_ == 0) return true;
    seen_.assign(words_, 0);
    const auto* bytes = reinterpret_cast<const unsigned char*>(text);
    const std::size_t overlap = longest_ - 1, piece = length / kLanes;
    uint32_t node[kLanes] = {};
    if (piece < overlap + kShortestPiece) return Walk(bytes, bytes + length, node[0]);
    const unsigned char* at[kLanes];
    const unsigned char* end[kLanes];
    for (std::size_t lane = 0; lane < kLanes; ++lane) {
        at[lane] = bytes + lane * piece - (lane == 0 ? 0 : overlap);
        end[lane] = lane + 1 == kLanes ? bytes + length : bytes + (lane + 1) * piece;
    }
    for (std::size_t i = 0; i < piece; ++i)
        for (std::size_t lane = 0; lane < kLanes; ++lane)
            if (Step(at[lane][i], node[lane])) return true;
    for (std::size_t lane = 0; lane < kLanes; ++lane)
        if (Walk(at[lane] + piece, end[lane], node[lane])) return true;
    return false;
}

}  // namespace qvs
