#include "model/names.h"

namespace qvs {

bool NamesEqual(const char* a, const char* b) {
    for (;; ++a, ++b) {
        if (FoldCase(*a) != FoldCase(*b)) return false;
        if (!*a) return true;
    }
}

bool NamesEqualN(const char* a, const char* b, unsigned long n) {
    for (; n; --n, ++a, ++b) {
        if (FoldCase(*a) != FoldCase(*b)) return false;
        if (!*a) return true;
    }
    return true;
}

}  // namespace qvs
