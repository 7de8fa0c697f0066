#include "requests/search_scan.h"

#include <cstdint>
#include <cstring>

#include "model/names.h"

namespace qvs {
namespace {

// A list body ends its lines with CR LF; a line ends at either byte, so a
// file written with bare line feeds is still read line by line.
bool IsLineBreak(char c) { return c == '\r' || c == '\n'; }

constexpr uint64_t kEveryByte = 0x0101010101010101u;
constexpr uint64_t kHighBits = 0x8080808080808080u;

// Whether any of the eight bytes of word equals byte.
bool HoldsByte(uint64_t word, unsigned char byte) {
    uint64_t differ = word ^ (kEveryByte * byte);
    return ((differ - kEveryByte) & ~differ & kHighBits) != 0;
}

bool HoldsLineBreak(const char* eight) {
    uint64_t word;
    std::memcpy(&word, eight, sizeof word);
    return HoldsByte(word, '\r') || HoldsByte(word, '\n');
}

// Back from the occurrence, never before floor (where the last line looked
// at ended), so the whole scan stays one pass; eight bytes a step while no
// line break is among them.
std::size_t LineStart(const char* data, std::size_t floor, std::size_t at) {
    while (at - floor >= sizeof(uint64_t) && !HoldsLineBreak(data + at - sizeof(uint64_t))) at -= sizeof(uint64_t);
    while (at > floor && !IsLineBreak(data[at - 1])) --at;
    return at;
}

// The library's byte search runs many bytes a step: the rest of a line is
// often most of it.
std::size_t LineEnd(const char* data, std::size_t size, std::size_t at) {
    const void* feed = std::memchr(data + at, '\n', size - at);
    std::size_t end = feed ? static_cast<std::size_t>(static_cast<const char*>(feed) - data) : size;
    const void* ret = std::memchr(data + at, '\r', end - at);
    return ret ? static_cast<std::size_t>(static_cast<const char*>(ret) - data) : end;
}

}  // namespace

SearchScan::SearchScan(const char* fileTrigger, const SearchKeywords& keywords)
    : trigger_(fileTrigger ? fileTrigger : ""), key_(keywords.Key, 0, keywords.Key.size()), others_(keywords.Others) {}

// A header line may hold every keyword too: only file lines, which begin
// with the trigger, count. The trigger itself may supply a keyword.
bool SearchScan::Matches(const ListLine& line) const {
    if (trigger_.empty() || line.Length < trigger_.size()) return false;
    // Lists hold the trigger as the operator typed it: the exact bytes
    // answer nearly every line without folding a letter.
    bool sameBytes = std::memcmp(line.Data, trigger_.data(), trigger_.size()) == 0;
    if (!sameBytes && !NamesEqualN(line.Data, trigger_.c_str(), trigger_.size())) return false;
    return others_.AllIn(line.Data, line.Length);
}

bool SearchScan::NextMatch(const char* data, std::size_t size, std::size_t& from, ListLine& line) const {
    while (from < size) {
        std::size_t at = key_.FindIn(data, size, from);
        if (at == FoldedPattern::kNotFound) break;
        std::size_t start = LineStart(data, from, at);
        std::size_t end = LineEnd(data, size, at);
        from = end + (end < size ? 1 : 0);
        line = ListLine{data + start, end - start};
        if (Matches(line)) return true;
    }
    from = size;
    return false;
}

}  // namespace qvs
