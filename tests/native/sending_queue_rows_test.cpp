#include <gtest/gtest.h>

#include "model/elapsed.h"
#include "sending/queue_rows.h"

namespace qvs {
namespace {

constexpr uint64_t kMinute = 60 * kTicksPerSecond;

TEST(QueueRows, CellsSplitThePathAndMarkHeldEntries) {
    struct Case {
        const char* Path;
        uint32_t Held;
        uint64_t QueuedAgo;  // ticks before now
        QueueRowTexts Want;
    } cases[] = {
        {"C:\\served\\movie.avi", 0, 3 * kMinute, {"", "bob", "movie.avi", "1.5 KB", "3", "C:\\served\\"}},
        {"C:\\served\\deep\\", 1, 0, {"?", "bob", "", "1.5 KB", "0", "C:\\served\\deep\\"}},
        {"bare.txt", 1, kMinute / 2 - 1, {"?", "bob", "bare.txt", "1.5 KB", "0", ""}},
        {"\\a.b", 0, 90 * kMinute + kMinute / 2, {"", "bob", "a.b", "1.5 KB", "91", "\\"}},
    };
    const uint64_t now = 1000 * kMinute;
    for (const Case& test : cases) {
        QueueEntry entry;
        entry.FilePath.Set(test.Path);
        entry.Nick.Set("bob");
        entry.FileSize = 1536;
        entry.Held = test.Held;
        entry.QueuedTime = now - test.QueuedAgo;
        EXPECT_EQ(RowTexts(entry, now), test.Want) << test.Path;
    }
}

TEST(QueueRows, PositionFindsEveryPlaceAndNothingElse) {
    QueueEntry entries[4];
    List<QueueEntry> list;
    EXPECT_EQ(PositionIn(list, &entries[0]), -1);
    for (int i = 0; i < 3; ++i) list.PushBack(&entries[i]);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(PositionIn(list, &entries[i]), i);
    EXPECT_EQ(PositionIn(list, &entries[3]), -1);
    EXPECT_EQ(PositionIn(list, nullptr), -1);
}

}  // namespace
}  // namespace qvs
