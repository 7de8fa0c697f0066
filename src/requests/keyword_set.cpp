#include "requests/keyword_set.h"

#include <deque>

#include "requests/folded_pattern.h"

namespace qvs {
namespace {

constexpr std::size_t kByteValues = 256;
constexpr uint32_t kRoot = 0;

}  // namespace

KeywordSet::KeywordSet(const std::vector<std::string>& keywords) : classOf_(kByteValues, 0) {
    ChooseClasses(keywords);
    NewNode();
    for (const std::string& keyword : keywords) AddKeyword(keyword);
    LinkFailures();
    seen_.assign(count_, 0);
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
    report_.push_back(kNone);
    nextReport_.push_back(kNone);
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
        nextReport_[node] = report_[fail];
        report_[node] = keyword_[node] != kNone ? node : report_[fail];
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

void KeywordSet::NextStamp() const {
    if (++stamp_ != 0) return;
    seen_.assign(count_, 0);
    stamp_ = 1;
}

// Marks the keywords ending at node. A keyword already seen in this line
// had the rest of its chain marked with it, so the walk stops there and each
// keyword costs one step per line at most.
bool KeywordSet::Record(uint32_t node, std::size_t& found) const {
    for (; node != kNone && seen_[keyword_[node]] != stamp_; node = nextReport_[node]) {
        seen_[keyword_[node]] = stamp_;
        if (++found == count_) return true;
    }
    return false;
}

bool KeywordSet::AllIn(const char* text, std::size_t length) const {
    if (count_ == 0) return true;
    NextStamp();
    std::size_t found = 0;
    uint32_t node = kRoot;
    const auto* bytes = reinterpret_cast<const unsigned char*>(text);
    for (std::size_t i = 0; i < length; ++i) {
        node = next_[Edge(node, classOf_[bytes[i]])];
        if (report_[node] != kNone && Record(report_[node], found)) return true;
    }
    return false;
}

}  // namespace qvs
