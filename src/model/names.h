// Names compare without regard to case everywhere: channels, nicks,
// networks, triggers, list, group and file names. Only ASCII letters fold;
// every other byte compares exactly.
#pragma once

namespace qvs {

inline char FoldCase(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool NamesEqual(const char* a, const char* b);
// Compares at most n bytes.
bool NamesEqualN(const char* a, const char* b, unsigned long n);

}  // namespace qvs
