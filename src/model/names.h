// Names compare without regard to case everywhere: channels, nicks,
// networks, triggers, list, group and file names. Only ASCII letters fold;
// every other byte compares exactly.
#pragma once
#include <string>

namespace qvs {

inline char FoldCase(char c) {
    return static_cast<unsigned char>(c - 'A') < 26 ? static_cast<char>(c | 0x20) : c;
}

bool NamesEqual(const char* a, const char* b);
// Compares at most n bytes.
bool NamesEqualN(const char* a, const char* b, unsigned long n);

// The name with its ASCII capitals folded: a key under which every spelling
// of one name meets. Null gives "".
std::string FoldedName(const char* name);

}  // namespace qvs
