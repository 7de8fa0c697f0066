// The first word of a line of text and what follows it, as trigger dispatch
// reads them.
#pragma once
#include <cstddef>
#include <string>

namespace qvs {

// A line longer than a HostLink text is cut there (IRC lines are far
// shorter, so only a broken or hostile relay gets this far).
constexpr std::size_t kMaxLineLength = 2047;

struct RequestLine {
    std::string Word;  // up to the first space
    std::string Rest;  // after it, trimmed; empty when there is none
    bool HasRest() const { return !Rest.empty(); }
};

RequestLine SplitRequestLine(const char* message);

}  // namespace qvs
