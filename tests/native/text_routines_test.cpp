#include <gtest/gtest.h>

#include <string>

#include "hostlink/text_routines.h"
#include "model/elapsed.h"

namespace qvs {
namespace {

std::string Trimmed(std::string text) {
    TrimSpaces(&text[0]);
    return text.c_str();
}

TEST(TrimSpaces, RemovesBlanksAtBothEndsButKeepsTabs) {
    EXPECT_EQ(Trimmed("  abc \r\n"), "abc");
    EXPECT_EQ(Trimmed("\x06\x06x y\x06"), "x y");
    EXPECT_EQ(Trimmed("   "), "");
    EXPECT_EQ(Trimmed(""), "");
    EXPECT_EQ(Trimmed("\tabc\t "), "\tabc\t");
    EXPECT_EQ(Trimmed(" a\tb "), "a\tb");
}

TEST(FindNoCase, FindsFirstOccurrenceIgnoringAsciiCase) {
    EXPECT_EQ(FindNoCase(1, "Hello World", "WORLD"), 7);
    EXPECT_EQ(FindNoCase(1, "abcabc", "bc"), 2);
    EXPECT_EQ(FindNoCase(3, "abcabc", "bc"), 5);
    EXPECT_EQ(FindNoCase(6, "abcabc", "bc"), -1);
}

TEST(FindNoCase, RestartsOneByteAfterAFailedPartialMatch) {
    // "aab" inside "aaab": the partial match at 1 fails at byte 3.
    EXPECT_EQ(FindNoCase(1, "aaab", "aab"), 2);
    EXPECT_EQ(FindNoCase(1, "ababac", "abac"), 3);
}

TEST(FindNoCase, RejectsEmptyInputsAndBadStart) {
    EXPECT_EQ(FindNoCase(0, "abc", "a"), -1);
    EXPECT_EQ(FindNoCase(-4, "abc", "a"), -1);
    EXPECT_EQ(FindNoCase(1, "", "a"), -1);
    EXPECT_EQ(FindNoCase(1, "abc", ""), -1);
    EXPECT_EQ(FindNoCase(1, "ab", "abc"), -1);
}

TEST(FindNoCase, FoldsOnlyAsciiLetters) {
    EXPECT_EQ(FindNoCase(1, "x\xC9y", "\xE9"), -1);
    EXPECT_EQ(FindNoCase(1, "x[y", "{"), -1);
    EXPECT_EQ(FindNoCase(1, "x\xC9y", "\xC9"), 2);
}

TEST(ParseDecimal, ReadsDigitsWrapsAndRejectsOthers) {
    EXPECT_EQ(ParseDecimal(""), 0u);
    EXPECT_EQ(ParseDecimal("0"), 0u);
    EXPECT_EQ(ParseDecimal("4294967294"), 4294967294u);
    EXPECT_EQ(ParseDecimal("4294967296"), 0u);
    EXPECT_EQ(ParseDecimal("4294967297"), 1u);
    EXPECT_EQ(ParseDecimal("12a"), kInvalidNumber);
    EXPECT_EQ(ParseDecimal(" 12"), kInvalidNumber);
    EXPECT_EQ(ParseDecimal("-1"), kInvalidNumber);
}

TEST(Elapsed, RoundsToTheNearestWholeUnit) {
    const uint64_t second = kTicksPerSecond;
    EXPECT_EQ(MinutesSince(0, 89 * second), 1u);
    EXPECT_EQ(MinutesSince(0, 90 * second), 2u);
    EXPECT_EQ(MinutesSince(0, 29 * second), 0u);
    EXPECT_EQ(SecondsSince(0, second / 2), 1u);
    EXPECT_EQ(SecondsSince(0, second / 2 - 1), 0u);
}

TEST(Elapsed, AStampInTheFutureCountsAsNothing) {
    EXPECT_EQ(MinutesSince(1000 * kTicksPerSecond, 10 * kTicksPerSecond), 0u);
}

}  // namespace
}  // namespace qvs
