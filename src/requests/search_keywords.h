// The words of a search query: the key the list files are scanned for and
// the other keywords a line must hold as well.
#pragma once
#include <string>
#include <vector>

namespace qvs {

struct SearchKeywords {
    std::string Key;                  // empty: the query holds no keyword
    std::vector<std::string> Others;  // in query order
};

// Asterisks and quotes count as blanks; the key is the longest keyword, the
// last of equally long ones. Repeated keywords count once, and a keyword
// found inside the key or another keyword, in any case, not at all.
SearchKeywords SplitKeywords(const char* query);

}  // namespace qvs
