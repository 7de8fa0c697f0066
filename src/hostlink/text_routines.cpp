#include "hostlink/text_routines.h"

#include <cstring>

#include "model/names.h"

namespace qvs {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\x06' || c == '\r' || c == '\n'; }

}  // namespace

char* TrimSpaces(char* text) {
    std::size_t lead = 0;
    while (text[lead] && IsBlank(text[lead])) ++lead;
    if (lead) std::memmove(text, text + lead, std::strlen(text + lead) + 1);
    std::size_t end = std::strlen(text);
    while (end && IsBlank(text[end - 1])) --end;
    text[end] = '\0';
    return text;
}

std::string TrimmedCopy(const char* text) {
    std::string copy = text ? text : "";
    return TrimSpaces(&copy[0]);
}

long FindNoCaseN(long start, const char* text, std::size_t length, const char* pattern) {
    std::size_t patternLength = std::strlen(pattern);
    if (start < 1 || length == 0 || patternLength == 0) return -1;
    char first = FoldCase(pattern[0]);
    // A failed partial match resumes one byte after where it began.
    for (std::size_t at = static_cast<std::size_t>(start) - 1; at + patternLength <= length; ++at) {
        if (FoldCase(text[at]) != first) continue;
        std::size_t matched = 1;
        while (matched < patternLength && FoldCase(text[at + matched]) == FoldCase(pattern[matched])) ++matched;
        if (matched == patternLength) return static_cast<long>(at) + 1;
    }
    return -1;
}

long FindNoCase(long start, const char* text, const char* pattern) {
    return FindNoCaseN(start, text, std::strlen(text), pattern);
}

uint32_t ParseDecimal(const char* text) {
    uint32_t value = 0;
    for (const char* p = text; *p; ++p) {
        if (*p < '0' || *p > '9') return kInvalidNumber;
        value = value * 10u + static_cast<uint32_t>(*p - '0');
    }
    return value;
}

}  // namespace qvs
