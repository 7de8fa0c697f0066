// One pass over a list body: random bodies with every kind of line end,
// lines of every length around the eight-byte steps of the line-start
// search, and triggers in either case, against a plain line-by-line check.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "hostlink/text_routines.h"
#include "model/names.h"
#include "requests/search_scan.h"

namespace qvs {
namespace {

bool Holds(const std::string& line, const std::string& word) {
    return FindNoCaseN(1, line.data(), line.size(), word.c_str()) >= 0;
}

// The lines a search must find, cut at every CR and LF.
std::vector<std::string> Expected(const std::string& body, const std::string& trigger, const SearchKeywords& keywords) {
    std::vector<std::string> found;
    std::size_t from = 0;
    while (from <= body.size()) {
        std::size_t end = body.find_first_of("\r\n", from);
        if (end == std::string::npos) end = body.size();
        std::string line = body.substr(from, end - from);
        bool all = Holds(line, keywords.Key);
        for (const std::string& other : keywords.Others) all = all && Holds(line, other);
        if (all && line.size() >= trigger.size() && NamesEqualN(line.c_str(), trigger.c_str(), trigger.size()))
            found.push_back(line);
        from = end + 1;
    }
    return found;
}

std::vector<std::string> Scanned(const std::string& body, const std::string& trigger, const SearchKeywords& keywords) {
    SearchScan scan(trigger.c_str(), keywords);
    std::vector<std::string> found;
    ListLine line;
    for (std::size_t from = 0; scan.NextMatch(body.data(), body.size(), from, line);)
        found.emplace_back(line.Data, line.Length);
    return found;
}

TEST(SearchScanTest, RandomBodiesAgreeWithALineByLineCheck) {
    std::mt19937 random(5);
    const std::string ends[] = {"\r\n", "\n", "\r", "\r\n\r\n"};
    const std::string pieces[] = {"!t ", "!T ", "x", "ab", "AB", "b a", "      ", "!t"};
    for (int round = 0; round < 3000; ++round) {
        std::string body;
        for (int lines = random() % 6; lines > 0; --lines) {
            for (int n = random() % 9; n > 0; --n) body += pieces[random() % 8];
            body += ends[random() % 4];
        }
        if (random() % 2) body += "!t ab";  // a last line without its end
        SearchKeywords keywords{"ab", {}};
        if (random() % 2) keywords.Others.push_back("x");
        ASSERT_EQ(Scanned(body, "!t", keywords), Expected(body, "!t", keywords)) << round;
    }
}

}  // namespace
}  // namespace qvs
