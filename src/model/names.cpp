#include "model/names.h"

namespace qvs {

// Queues are walked name by name on every request, so identical bytes take
// the short way and only differing bytes are folded.
bool NamesEqual(const char* a, const char* b) {
    for (;; ++a, ++b) {
        char x = *a;
        char y = *b;
        if (x == y) {
            if (!x) return true;
        } else if (FoldCase(x) != FoldCase(y)) {
            return false;
        }
    }
}

bool NamesEqualN(const char* a, const char* b, unsigned long n) {
    for (; n; --n, ++a, ++b) {
        if (FoldCase(*a) != FoldCase(*b)) return false;
        if (!*a) return true;
    }
    return true;
}

std::string FoldedName(const char* name) {
    std::string folded = name ? name : "";
    for (char& c : folded) c = FoldCase(c);
    return folded;
}

}  // namespace qvs
