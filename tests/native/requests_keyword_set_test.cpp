// All other keywords of a search in one pass over a line: overlapping and
// nested keywords, letter case, bytes that do not fold, lines one after
// the other, and random keyword sets against a plain search.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "hostlink/text_routines.h"
#include "requests/keyword_set.h"

namespace qvs {
namespace {

bool EveryKeywordIn(const std::vector<std::string>& keywords, const std::string& line) {
    for (const std::string& keyword : keywords)
        if (FindNoCaseN(1, line.data(), line.size(), keyword.c_str()) < 0) return false;
    return true;
}

// More keywords than one machine word has bits.
std::vector<std::string> Numbered(int count) {
    std::vector<std::string> keywords;
    for (int i = 0; i < count; ++i) keywords.push_back("k" + std::to_string(i) + ";");
    return keywords;
}

// One keyword for each byte of bytes: as many columns in a row as bytes.
std::vector<std::string> EachByte(const std::string& bytes) {
    std::vector<std::string> keywords;
    for (char c : bytes) keywords.emplace_back(1, c);
    return keywords;
}

// Bytes in no keyword between the words, with separator.
std::string Joined(const std::vector<std::string>& words, const std::string& separator = "") {
    std::string line;
    for (const std::string& word : words) line += word + separator;
    return line;
}

TEST(KeywordSetTest, EveryKeywordMustOccurSomewhereInTheLine) {
    const struct {
        std::vector<std::string> Keywords;
        std::string Line;
        bool Expected;
    } cases[] = {
        {{}, "anything", true},
        {{"he", "she", "hers"}, "ushers", true},
        {{"he", "she", "hers"}, "usher", false},
        {{"abcd", "bc"}, "xabcx", false},  // the shorter one only inside a failed longer one
        {{"abcd", "bc"}, "abcabcd", true},
        {{"aab", "ab", "b"}, "aaab", true},
        {{"mp3", "STAR"}, "!get Star Trek.MP3", true},
        {{"\xE4rger"}, "!get \xC4rger.txt", false},  // only ASCII letters fold
        {{"\xC4RGER"}, "!get \xC4rger.txt", true},
        {{"a b"}, "a  b", false},
        {{"x"}, "", false},
        {{"ab", "AB", "ab"}, "xaBx", true},  // repeats count once
        {{"", "ab"}, "ab", true},
        {Numbered(150), Joined(Numbered(150)), true},
        {Numbered(150), Joined(Numbered(149)), false},
        {Numbered(150), Joined(Numbered(150)).substr(4), false},
        // The found bits fill one word at 64 keywords and spill at 65.
        {Numbered(64), Joined(Numbered(64), " "), true},
        {Numbered(64), Joined(Numbered(64)).substr(3), false},
        {Numbered(65), Joined(Numbered(65), " "), true},
        {Numbered(65), Joined(Numbered(65)).substr(3), false},
        {Numbered(300), Joined(Numbered(300), " "), true},
        {Numbered(300), Joined(Numbered(300), " ").substr(3), false},
        // Rows one column short of and at a power of two beside the found bits.
        {EachByte("abcdefghijklmnopqrstuvwxyz-!+"), "+!-zyxwvutsrqponmlkjihgfedcba", true},
        {EachByte("abcdefghijklmnopqrstuvwxyz-!+="), "=+!-zyxwvutsrqponmlkjihgfedcba", true},
        {EachByte("abcdefghijklmnopqrstuvwxyz-!+="), "=+!-zyxwvutsrqponmlkjihgfedcb", false},
    };
    for (const auto& c : cases) {
        KeywordSet set(c.Keywords);
        EXPECT_EQ(set.AllIn(c.Line.data(), c.Line.size()), c.Expected) << c.Line;
    }
}

// What one line found must not count for the next.
TEST(KeywordSetTest, EachLineStartsAfresh) {
    KeywordSet set({"star", "trek"});
    const std::string lines[] = {"star", "trek", "star trek", "trek", "st ar"};
    const bool expected[] = {false, false, true, false, false};
    for (std::size_t i = 0; i < 5; ++i) EXPECT_EQ(set.AllIn(lines[i].data(), lines[i].size()), expected[i]) << i;
    EXPECT_FALSE(set.AllIn("trek", 3));  // the length bounds the line
}

// Small alphabets make keywords overlap, nest, share suffixes and repeat,
// also across the places where a long line is cut; alphabets of every size
// up to 37 bytes give rows of every width, and up to 80 keywords fill one
// word of found bits and spill into the next; up to 300 into the widest.
TEST(KeywordSetTest, RandomKeywordSetsAgreeWithAPlainSearch) {
    std::mt19937 random(17);
    const std::string bytes = "abAB-\xC4" "cdefghijklmnopqrstuvwxyz01234";
    for (int round = 0; round < 3000; ++round) {
        const std::string alphabet = bytes.substr(0, 2 + random() % (bytes.size() - 1));
        auto text = [&](std::size_t least, std::size_t most) {
            std::string word(least + random() % (most - least + 1), ' ');
            for (char& c : word) c = alphabet[random() % alphabet.size()];
            return word;
        };
        std::vector<std::string> keywords;
        const std::size_t most = round % 8 == 0 ? 300 : round % 4 == 0 ? 80 : 7;
        for (std::size_t n = random() % most; keywords.size() < n;) keywords.push_back(text(1, 6));
        KeywordSet set(keywords);
        std::string line = text(0, 120);  // long lines are walked in pieces side by side
        if (round % 3 == 0) line = Joined(keywords, text(0, 2));
        ASSERT_EQ(set.AllIn(line.data(), line.size()), EveryKeywordIn(keywords, line)) << round << " " << line;
    }
}

}  // namespace
}  // namespace qvs
