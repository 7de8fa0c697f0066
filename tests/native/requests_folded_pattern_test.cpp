// The list-file scanner against a plain byte-by-byte search: every start
// position, both letter cases, bytes that only look alike when folded
// wrongly, and texts that end inside a block.
#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>
#include <vector>

#include "requests/folded_pattern.h"

namespace qvs {
namespace {

std::size_t PlainFind(const std::string& text, const std::string& pattern, std::size_t from) {
    for (std::size_t at = from; at + pattern.size() <= text.size(); ++at) {
        bool equal = true;
        for (std::size_t i = 0; equal && i < pattern.size(); ++i)
            equal = FoldByte(static_cast<unsigned char>(text[at + i])) ==
                    FoldByte(static_cast<unsigned char>(pattern[i]));
        if (equal) return at;
    }
    return FoldedPattern::kNotFound;
}

// Every occurrence, in order, as the lookup walks them.
std::vector<std::size_t> AllOccurrences(const FoldedPattern& pattern, const std::string& text) {
    std::vector<std::size_t> found;
    for (std::size_t at = pattern.FindIn(text.data(), text.size(), 0); at != FoldedPattern::kNotFound;
         at = pattern.FindIn(text.data(), text.size(), at + 1))
        found.push_back(at);
    return found;
}

std::vector<std::size_t> AllPlain(const std::string& pattern, const std::string& text) {
    std::vector<std::size_t> found;
    for (std::size_t at = PlainFind(text, pattern, 0); at != FoldedPattern::kNotFound;
         at = PlainFind(text, pattern, at + 1))
        found.push_back(at);
    return found;
}

TEST(FoldedPatternTest, FindsWhatAPlainSearchFindsOnRandomTexts) {
    // Letters of both cases, the bytes that differ from letters only in
    // bit 0x20 ('@', '[', '`', '{'), digits, blanks and high bytes.
    const std::string alphabet = "aAbBzZ@[`{09 .\xC1\xE1";
    std::mt19937 random(7);
    auto pick = [&](std::size_t length) {
        std::string text;
        for (std::size_t i = 0; i < length; ++i) text += alphabet[random() % alphabet.size()];
        return text;
    };
    for (int round = 0; round < 3000; ++round) {
        std::string pattern = pick(1 + random() % 6);
        std::string text = pick(random() % 120);
        // Plant the pattern, in another case, now and then.
        if (!text.empty() && round % 3 == 0) {
            std::string planted = pattern;
            for (char& c : planted)
                if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
            text.insert(random() % text.size(), planted);
        }
        std::size_t from = random() % 3;
        std::size_t to = from + random() % (pattern.size() + 1);
        FoldedPattern folded(pattern, from, to);
        ASSERT_EQ(AllOccurrences(folded, text), AllPlain(pattern, text)) << "pattern '" << pattern << "'";
    }
}

TEST(FoldedPatternTest, NeverReadsPastTheEndOfATextCutInsideABlock) {
    const std::string pattern = "!get file.txt";
    const std::string full = std::string(60, 'x') + "!GET FILE.TXT";
    for (std::size_t length = 0; length <= full.size(); ++length) {
        // A heap copy of exactly that size, so a read past it is reported.
        std::unique_ptr<char[]> exact(new char[length ? length : 1]);
        std::copy(full.begin(), full.begin() + length, exact.get());
        std::size_t expected = length == full.size() ? 60 : FoldedPattern::kNotFound;
        // Anchors anywhere in the pattern, up to its very last byte.
        for (std::size_t from = 0; from < pattern.size(); ++from) {
            FoldedPattern folded(pattern, from, pattern.size());
            EXPECT_EQ(folded.FindIn(exact.get(), length, 0), expected) << length << " " << from;
        }
    }
}

TEST(FoldedPatternTest, ALongListOfLookAlikeLinesFindsOnlyTheOneAskedFor) {
    std::string text;
    for (int number = 0; number < 3000; ++number)
        text += "!get Artist - Title " + std::to_string(100000 + number) + ".mp3     -  4 MB\r\n";
    const std::string pattern = "!get artist - title 102998.mp3     -";
    FoldedPattern folded(pattern, 5, 25);
    std::size_t at = folded.FindIn(text.data(), text.size(), 0);
    EXPECT_EQ(at, text.find("!get Artist - Title 102998.mp3"));
    EXPECT_EQ(folded.FindIn(text.data(), text.size(), at + 1), FoldedPattern::kNotFound);
}

}  // namespace
}  // namespace qvs
