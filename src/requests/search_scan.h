// One pass over a mapped list file: the lines that hold the key, checked
// for the list's file trigger and the other keywords.
#pragma once
#include <cstddef>
#include <string>

#include "requests/folded_pattern.h"
#include "requests/keyword_set.h"
#include "requests/search_keywords.h"

namespace qvs {

struct ListLine {
    const char* Data = nullptr;
    std::size_t Length = 0;  // up to the line end, which is not included
};

class SearchScan {
public:
    SearchScan(const char* fileTrigger, const SearchKeywords& keywords);
    // The next matching line that starts at or after from; from moves past
    // it, so each line counts once however often it holds the key. Never
    // reads outside data[0, size).
    bool NextMatch(const char* data, std::size_t size, std::size_t& from, ListLine& line) const;

private:
    bool Matches(const ListLine& line) const;

    std::string trigger_;
    FoldedPattern key_;
    KeywordSet others_;
};

}  // namespace qvs
