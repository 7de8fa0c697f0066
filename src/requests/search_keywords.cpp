#include "requests/search_keywords.h"

#include <cstring>

#include "hostlink/text_routines.h"

namespace qvs {
namespace {

// Wildcards and quotes mean nothing to the search; they only part words.
std::string WithoutWildcards(const char* query) {
    std::string words = query ? query : "";
    for (char& c : words)
        if (c == '*' || c == '"' || c == '\'') c = ' ';
    return TrimSpaces(&words[0]);
}

std::vector<std::string> SplitAtBlanks(const std::string& words) {
    std::vector<std::string> pieces;
    std::size_t from = 0;
    while (from < words.size()) {
        std::size_t blank = words.find(' ', from);
        if (blank == std::string::npos) blank = words.size();
        if (blank > from) pieces.push_back(words.substr(from, blank - from));
        from = blank + 1;
    }
    return pieces;
}

}  // namespace

SearchKeywords SplitKeywords(const char* query) {
    SearchKeywords keywords;
    std::vector<std::string> words = SplitAtBlanks(WithoutWildcards(query));
    if (words.empty()) return keywords;
    std::size_t key = 0;
    for (std::size_t i = 1; i < words.size(); ++i)
        if (words[i].size() >= words[key].size()) key = i;
    keywords.Key = words[key];
    words.erase(words.begin() + static_cast<std::ptrdiff_t>(key));
    keywords.Others = std::move(words);
    return keywords;
}

}  // namespace qvs
