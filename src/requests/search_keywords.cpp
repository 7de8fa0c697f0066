#include "requests/search_keywords.h"

#include <algorithm>

#include "hostlink/text_routines.h"
#include "requests/folded_pattern.h"

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

std::string Folded(std::string word) {
    for (char& c : word) c = static_cast<char>(FoldByte(static_cast<unsigned char>(c)));
    return word;
}

// A keyword said twice asks nothing more of a line, whatever its case, but
// would cost a check each time.
std::vector<std::string> WithoutRepeats(const std::vector<std::string>& words) {
    std::vector<std::string> distinct, folded;
    for (const std::string& word : words) {
        std::string key = Folded(word);
        if (std::find(folded.begin(), folded.end(), key) != folded.end()) continue;
        folded.push_back(key);
        distinct.push_back(word);
    }
    return distinct;
}

// A line that holds a keyword holds every piece of it, in any case: a
// keyword found inside the key or inside another keyword asks nothing more
// of a line, but would cost a check at every byte it turns up.
bool ImpliedBy(const std::string& folded, const std::string& other) {
    return folded != other && other.find(folded) != std::string::npos;
}

std::vector<std::string> WithoutImplied(const std::string& key, const std::vector<std::string>& words) {
    std::vector<std::string> folded(words.size()), kept;
    std::transform(words.begin(), words.end(), folded.begin(), Folded);
    const std::string foldedKey = Folded(key);
    for (std::size_t i = 0; i < words.size(); ++i) {
        auto implies = [&](const std::string& other) { return ImpliedBy(folded[i], other); };
        if (!implies(foldedKey) && std::none_of(folded.begin(), folded.end(), implies)) kept.push_back(words[i]);
    }
    return kept;
}

}  // namespace

SearchKeywords SplitKeywords(const char* query) {
    SearchKeywords keywords;
    std::vector<std::string> words = WithoutRepeats(SplitAtBlanks(WithoutWildcards(query)));
    if (words.empty()) return keywords;
    std::size_t key = 0;
    for (std::size_t i = 1; i < words.size(); ++i)
        if (words[i].size() >= words[key].size()) key = i;
    keywords.Key = words[key];
    words.erase(words.begin() + static_cast<std::ptrdiff_t>(key));
    keywords.Others = WithoutImplied(keywords.Key, words);
    return keywords;
}

}  // namespace qvs
