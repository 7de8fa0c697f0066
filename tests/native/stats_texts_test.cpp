#include <gtest/gtest.h>

#include "stats/number_texts.h"

namespace qvs {
namespace {

TEST(NumberTextsTest, ThousandsAreGroupedFromTheRight) {
    EXPECT_EQ(FormatThousands(0), "0");
    EXPECT_EQ(FormatThousands(999), "999");
    EXPECT_EQ(FormatThousands(1000), "1,000");
    EXPECT_EQ(FormatThousands(1024), "1,024");
    EXPECT_EQ(FormatThousands(123456), "123,456");
    EXPECT_EQ(FormatThousands(1234567), "1,234,567");
    EXPECT_EQ(FormatThousands(18446744073709551615ull), "18,446,744,073,709,551,615");
}

TEST(NumberTextsTest, RealsAreWholeExactlyOrSevenSignificantDigits) {
    EXPECT_EQ(FormatReal(0.0), "0");
    EXPECT_EQ(FormatReal(1.5), "1.5");
    EXPECT_EQ(FormatReal(0.5), "0.5");
    EXPECT_EQ(FormatReal(-2.25), "-2.25");
    EXPECT_EQ(FormatReal(1023.9990234375), "1023.999");
    EXPECT_EQ(FormatReal(1485.148514851485), "1485.149");
    EXPECT_EQ(FormatReal(12345678.0), "12345678");
    EXPECT_EQ(FormatReal(9999999999999998.0), "9999999999999998");
    EXPECT_EQ(FormatReal(12345678.9), "1.234568e+007");
    EXPECT_EQ(FormatReal(1e16), "1.000000e+016");
    EXPECT_EQ(FormatReal(0.01), "1.000000e-002");
    EXPECT_EQ(FormatReal(0.1), "0.1");
    EXPECT_EQ(FormatReal(9999999.96), "1.000000e+007") << "rounding may carry into the next exponent";
    EXPECT_EQ(FormatReal(0.125), "0.125");
    EXPECT_EQ(FormatReal(1234567.5), "1234568") << "a tie rounds to even";
    EXPECT_EQ(FormatReal(1234568.5), "1234568") << "a tie rounds to even";
}

TEST(NumberTextsTest, SizesAreCutToTwoDecimalsNotRounded) {
    EXPECT_EQ(FormatSize(0), "0 bytes");
    EXPECT_EQ(FormatSize(1023), "1023 bytes");
    EXPECT_EQ(FormatSize(1024), "1 KB");
    EXPECT_EQ(FormatSize(1232), "1.20 KB");
    EXPECT_EQ(FormatSize(1536), "1.5 KB");
    EXPECT_EQ(FormatSize(2047), "1.99 KB");
    EXPECT_EQ(FormatSize(1048575), "1023.99 KB");
    EXPECT_EQ(FormatSize(1048576), "1 MB");
    EXPECT_EQ(FormatSize(1073741823), "1024 MB") << "seven significant digits round up before the cut";
    EXPECT_EQ(FormatSize(1073741824), "1 GB");
    EXPECT_EQ(FormatSize(5368709120ull), "5 GB");
    EXPECT_EQ(FormatSize(1099511627776ull), "1024 GB") << "GB is the largest unit";
}

TEST(NumberTextsTest, SpeedsUseTheSameSteps) {
    EXPECT_EQ(FormatSpeed(999), "999 cps");
    EXPECT_EQ(FormatSpeed(50000), "48.82 KB/s");
    EXPECT_EQ(FormatSpeed(1048576), "1 MB/s");
    EXPECT_EQ(FormatSpeed(3221225472ull), "3 GB/s");
}

TEST(NumberTextsTest, CuttingKeepsAnExponent) {
    EXPECT_EQ(CutToTwoDecimals("1.717987e+010"), "1.71e+010");
    EXPECT_EQ(CutToTwoDecimals("12"), "12");
    EXPECT_EQ(CutToTwoDecimals("1.2"), "1.2");
}

}  // namespace
}  // namespace qvs
