#include <gtest/gtest.h>

#include "hostlink/field_numbers.h"

namespace qvs {
namespace {

TEST(ReadFieldNumber, LettersReadAsZeroAndLargeNumbersHoldAtTheTop) {
    const struct {
        const char* Text;
        uint32_t Stored;
    } cases[] = {
        {"", 0},
        {"0", 0},
        {" 42 ", 42},
        {"007", 7},
        {"abc", 0},
        {"12abc", 0},
        {"-5", 0},
        {"+5", 0},
        {"1 2", 0},
        {"4294967295", 4294967295u},
        {"4294967296", 4294967295u},            // one past: no wrap to 0
        {"99999999999999999999999", 4294967295u},  // far past, no overflow on the way
        {"0000000000000000000000001", 1},
    };
    for (const auto& c : cases) EXPECT_EQ(ReadFieldNumber(c.Text), c.Stored) << '"' << c.Text << '"';
    EXPECT_EQ(ReadFieldNumber(nullptr), 0u);
}

TEST(SizeUnits, SizesGoBackToTheUnitTheyWereTypedIn) {
    const struct {
        uint32_t Number;
        int Unit;
        uint32_t Bytes;
        int ShownUnit;  // with four units, 0 shown in "MB"
        uint32_t ShownNumber;
    } cases[] = {
        {2, 2, 2097152, 2, 2},
        {1536, 1, 1572864, 1, 1536},
        {1500, 0, 1500, 0, 1500},
        {1024, 0, 1024, 1, 1},
        {0, 0, 0, 2, 0},
        {3, 3, 3221225472u, 3, 3},
        {5, 3, 4294967295u, 0, 4294967295u},  // too big for 32 bits: held, not wrapped
        {4194304, 2, 4294967295u, 0, 4294967295u},
    };
    for (const auto& c : cases) {
        uint32_t bytes = SizeInBytes(c.Number, c.Unit);
        EXPECT_EQ(bytes, c.Bytes) << c.Number << " in unit " << c.Unit;
        int unit = ChooseSizeUnit(bytes, kSizeUnitCount, 2);
        EXPECT_EQ(unit, c.ShownUnit) << bytes;
        EXPECT_EQ(SizeInUnit(bytes, unit), c.ShownNumber) << bytes;
    }
}

TEST(SizeUnits, ThreeUnitListsNeverChooseGigabytes) {
    EXPECT_EQ(ChooseSizeUnit(1073741824u, 3, 0), 2);
    EXPECT_EQ(ChooseSizeUnit(0, 3, 0), 0);
    EXPECT_EQ(SizeInBytes(7, 9), 7u);
}

}  // namespace
}  // namespace qvs
