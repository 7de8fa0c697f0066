// Small text routines that the request parsers, the search and the host
// answers share.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

namespace qvs {

constexpr uint32_t kInvalidNumber = 4294967295u;

// Removes leading, then trailing spaces, byte 6, CR and LF in place. Tabs stay.
char* TrimSpaces(char* text);
// The same on a copy, for a text that must stay as it is; null reads as "".
std::string TrimmedCopy(const char* text);

// 1-based position of the first occurrence of pattern in text at or after
// start, ASCII letters compared without case; -1 when none, when start is
// below 1, or when text or pattern is empty.
long FindNoCase(long start, const char* text, const char* pattern);
// The same over a text of known length that need not be terminated.
long FindNoCaseN(long start, const char* text, std::size_t length, const char* pattern);

// Unsigned value of a text of digits only, wrapping modulo 2^32; any other
// character gives kInvalidNumber; the empty text gives 0.
uint32_t ParseDecimal(const char* text);

}  // namespace qvs
