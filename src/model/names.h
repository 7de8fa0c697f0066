// Names compare without regard to case everywhere: channels, nicks,
// networks, triggers, list, group and file names. Only ASCII letters fold;
// every other byte compares exactly.
#pragma once

namespace qvs {

inline char FoldCase(char c) {
    return static_cast<unsigned char>(c - 'A') < 26 ? static_cast<char>(c | 0x20) : c;
}

bool NamesEqual(const char* a, const char* b);
// Compares at most n bytes.
bool NamesEqualN(const char* a, const char* b, unsigned long n);

}  // namespace qvs
