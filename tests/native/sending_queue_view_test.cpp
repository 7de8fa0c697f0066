#include <gtest/gtest.h>

#include <algorithm>

#include "requests/queue_insert.h"
#include "sending/queue_commands.h"
#include "sending/queue_order.h"
#include "sending/queue_transfer.h"
#include "sending/scheduler.h"
#include "sending/send_cancel.h"
#include "sending_fixture.h"

namespace qvs {
namespace {

class QueueViewTest : public SendingTest {
protected:
    ShownQueue Regular() const { return {QueueKind::Regular, nullptr, channel}; }
    ShownQueue Shown(QueueKind kind) const {
        return kind == QueueKind::Regular ? Regular() : ShownQueue{kind, kind == QueueKind::List ? nullptr : config};
    }

    // Six waiting Regular entries a..f, of the nicks x, y, x, y, x, z.
    std::vector<QueueEntry*> SixWaiting() {
        const char* nicks = "xyxyxz";
        std::vector<QueueEntry*> rows;
        for (int i = 0; i < 6; ++i) {
            std::string path = std::string("C:\\files\\") + static_cast<char>('a' + i);
            rows.push_back(Add(QueueKind::Regular, std::string(1, nicks[i]).c_str(), path.c_str()));
        }
        return rows;
    }

    std::string Order(const Queue& queue) const {
        std::string order;
        for (QueueEntry* entry = queue.Waiting.Head; entry; entry = entry->Next) order += entry->FilePath.c_str()[9];
        return order;
    }

    // The per-nick index lists every nick's entries in queue order.
    bool IndexFollowsQueue(const Queue& queue) const {
        for (QueueEntry* entry = queue.Waiting.Head; entry; entry = entry->Next) {
            QueueEntry* later = entry->Next;
            while (later && !later->Nick.Equals(entry->Nick.c_str())) later = later->Next;
            if (entry->NickNext != later) return false;
            if (!entry->NickPrev && queue.Waiting.FirstOfNick(entry->Nick.c_str()) != entry) return false;
        }
        return true;
    }

    void Hold(Queue& queue, QueueEntry* entry) {
        entry->Held = 1;
        ++queue.HeldCount;
    }
};

TEST_F(QueueViewTest, MovesShiftTheSelectionTogether) {
    struct Case {
        QueueMove Move;
        std::vector<int> Rows;  // 0-based; -1 a vanished entry, -2 one of another queue
        const char* Order;
    } cases[] = {
        {QueueMove::Top, {2, 4}, "caebdf"},    {QueueMove::Up, {2, 4}, "acbedf"},
        {QueueMove::Bottom, {2, 4}, "abdcfe"}, {QueueMove::Bottom, {0, 2}, "bdeafc"},
        {QueueMove::Down, {0, 2}, "badcef"},   {QueueMove::Up, {1, 2}, "bcadef"},
        {QueueMove::Top, {0, 2}, "abcdef"},    {QueueMove::Up, {0}, "abcdef"},
        {QueueMove::Bottom, {5}, "abcdef"},    {QueueMove::Down, {3, 5}, "abcdef"},
        {QueueMove::Top, {}, "abcdef"},        {QueueMove::Top, {-1, 4}, "eabcdf"},
        {QueueMove::Down, {-2}, "abcdef"},     {QueueMove::Down, {5, 5, 1}, "abcdef"},
        {QueueMove::Top, {4, 4, 3}, "deabcf"},
    };
    for (const Case& test : cases) {
        ReleaseEntries(channel->Regular.Waiting);
        std::vector<QueueEntry*> rows = SixWaiting();
        QueueEntry* vanished = Add(QueueKind::Regular, "w", "C:\\files\\w");
        RemoveSelected(state, Regular(), {vanished});
        QueueEntry* elsewhere = Add(QueueKind::OpVoice, "x", "C:\\files\\o");
        std::vector<QueueEntry*> selection;
        for (int row : test.Rows) selection.push_back(row == -1 ? vanished : row == -2 ? elsewhere : rows[row]);
        platform.Panel.Refills.clear();

        uint32_t moved = MoveInQueue(state, Regular(), selection, test.Move);

        bool changed = std::string(test.Order) != "abcdef";
        EXPECT_EQ(Order(channel->Regular), test.Order) << static_cast<int>(test.Move);
        EXPECT_EQ(moved, changed ? 1u : 0u) << test.Order;
        EXPECT_EQ(platform.Panel.Refills.size(), changed ? 1u : 0u) << test.Order;
        EXPECT_TRUE(IndexFollowsQueue(channel->Regular)) << test.Order;
        EXPECT_EQ(channel->Regular.Waiting.Count, 6u);
    }
}

TEST_F(QueueViewTest, DraggingPutsTheEntryBeforeItsTarget) {
    std::vector<QueueEntry*> rows = SixWaiting();
    EXPECT_EQ(MoveBefore(state, Regular(), rows[4], rows[1]), 1u);
    EXPECT_EQ(Order(channel->Regular), "aebcdf");
    EXPECT_TRUE(IndexFollowsQueue(channel->Regular));
    EXPECT_EQ(MoveBefore(state, Regular(), rows[0], nullptr), 0u);
}

TEST_F(QueueViewTest, ToQueuesCarriesHeldMarksAndCounts) {
    struct Case {
        QueueKind From, To;
        bool Held;
        uint32_t Moved;
    } cases[] = {
        {QueueKind::Regular, QueueKind::SmallFile, true, 1}, {QueueKind::SmallFile, QueueKind::Regular, true, 1},
        {QueueKind::OpVoice, QueueKind::List, false, 1},     {QueueKind::List, QueueKind::OpVoice, true, 1},
        {QueueKind::Regular, QueueKind::Regular, false, 0},  {QueueKind::List, QueueKind::List, true, 0},
    };
    for (const Case& test : cases) {
        Queue& from = QueueOf(state, test.From, channel);
        Queue& to = QueueOf(state, test.To, channel);
        QueueEntry* entry = Add(test.From, "bob", "C:\\files\\a");
        if (test.Held) Hold(from, entry);
        Add(test.To, "bob", "C:\\files\\a");  // a duplicate does not stop the move
        uint32_t fromCount = from.Waiting.Count, toCount = to.Waiting.Count;
        uint32_t fromHeld = from.HeldCount, toHeld = to.HeldCount;

        EXPECT_EQ(MoveToQueue(state, Shown(test.From), {entry}, test.To, channel), test.Moved);

        uint32_t heldMoved = test.Held && test.Moved ? 1 : 0;
        EXPECT_EQ(from.Waiting.Count, fromCount - test.Moved);
        EXPECT_EQ(to.Waiting.Count, toCount + test.Moved);
        EXPECT_EQ(from.HeldCount, fromHeld - heldMoved);
        EXPECT_EQ(to.HeldCount, toHeld + heldMoved);
        if (test.Moved) {
            EXPECT_EQ(to.Waiting.Tail, entry);
            EXPECT_EQ(entry->InRegularQueue, test.To == QueueKind::Regular ? 1u : 0u);
            EXPECT_EQ(to.Waiting.CountOfNick("BOB"), 2u);
            EXPECT_EQ(from.Waiting.FirstOfNick("bob"), nullptr);
        }
        ReleaseEntries(from.Waiting);
        ReleaseEntries(to.Waiting);
        from.HeldCount = to.HeldCount = 0;
    }
}

TEST_F(QueueViewTest, RegularTargetMustBeAliveAndOnTheEntrysConnection) {
    host.Answer("$scid(2).$me", "Server");
    ServedChannel* other = OpenServedChannel(state, 2, "#chan");
    ASSERT_EQ(RegularTargets(config).size(), 2u);
    QueueEntry* entry = Add(QueueKind::SmallFile, "bob", "C:\\files\\a");
    EXPECT_EQ(MoveToQueue(state, Shown(QueueKind::SmallFile), {entry}, QueueKind::Regular, other), 0u);
    ReleaseServedChannel(state, other);
    EXPECT_EQ(MoveToQueue(state, Shown(QueueKind::SmallFile), {entry}, QueueKind::Regular, other), 0u);
    EXPECT_EQ(MoveToQueue(state, Shown(QueueKind::SmallFile), {entry}, QueueKind::Regular, channel), 1u);
    EXPECT_EQ(entry->Channel, channel);
    EXPECT_EQ(ServedChannelLabel(channel), "1 : #chan");
}

TEST_F(QueueViewTest, SendNowStartsOutsideTheSlots) {
    config->MinSlot = config->MaxSlot = 1;
    Add(QueueKind::Regular, "ann", "C:\\files\\busy");
    RunScheduler(state, channel);
    ASSERT_EQ(channel->Regular.Sending.Count, 1u);
    QueueEntry* held = Add(QueueKind::Regular, "bob", "C:\\files\\held.txt");
    Hold(channel->Regular, held);
    FileList list;
    list.Updating = 1;
    QueueEntry* rebuilding = Add(QueueKind::Regular, "cat", "C:\\files\\list.txt");
    rebuilding->IsList = 1;
    rebuilding->List = &list;

    EXPECT_EQ(SendNow(state, Regular(), {rebuilding, held}), 1u);

    EXPECT_EQ(SendCommands().back(), "/SendFile 1 bob C:\\files\\held.txt");
    EXPECT_EQ(channel->Regular.Sending.Count, 1u);
    EXPECT_EQ(channel->Regular.HeldCount, 0u);
    EXPECT_EQ(channel->Regular.Waiting.Count, 1u);
    EXPECT_EQ(channel->Regular.Waiting.Head, rebuilding);
}

TEST_F(QueueViewTest, RemoveAndClearLeaveCountsRight) {
    QueueEntry* held = Add(QueueKind::OpVoice, "bob", "C:\\files\\a");
    Hold(config->OpVoice, held);
    Hold(config->OpVoice, Add(QueueKind::OpVoice, "cat", "C:\\files\\c"));
    EXPECT_EQ(RemoveSelected(state, Shown(QueueKind::OpVoice), {held, held, nullptr}), 1u);
    EXPECT_EQ(config->OpVoice.HeldCount, 1u);
    platform.Panel.NextAnswer = kAnswerNo;
    EXPECT_EQ(ClearQueue(state, Shown(QueueKind::OpVoice)), 0u);
    platform.Panel.NextAnswer = kAnswerYes;
    EXPECT_EQ(ClearQueue(state, Shown(QueueKind::OpVoice)), 1u);
    EXPECT_EQ(config->OpVoice.Waiting.Count + config->OpVoice.HeldCount, 0u);
    EXPECT_EQ(config->OpVoice.Waiting.FirstOfNick("cat"), nullptr);
}

// The question's modal loop handles a part: the view's queue is gone when
// the answer comes.
TEST_F(QueueViewTest, AnswersAfterTheChannelWentAwayChangeNothing) {
    Add(QueueKind::Regular, "bob", "C:\\files\\a");
    Add(QueueKind::Regular, "bob", "C:\\files\\b");
    RunScheduler(state, channel);
    ShownQueue shown = Regular();
    platform.Panel.NextAnswer = kAnswerYes;
    platform.Panel.WhileShown = [&] { ReleaseServedChannel(state, channel); };
    EXPECT_EQ(ClearQueue(state, shown), 0u);
    EXPECT_EQ(CancelAllSends(state, shown), 0u);
    EXPECT_EQ(MoveInQueue(state, shown, {}, QueueMove::Top), 0u);
    EXPECT_EQ(SendNow(state, shown, {}), 0u);
    EXPECT_EQ(InsertFiles(state, shown.Channel, {{"bob", scratch.Path() + "/x"}}), 0u);
}

TEST_F(QueueViewTest, CancelSendClosesTheHostSendAndFreesTheSlot) {
    config->MinSlot = config->MaxSlot = 1;
    QueueEntry* sending = Add(QueueKind::Regular, "bob", "C:\\files\\a.bin");
    Add(QueueKind::Regular, "ann", "C:\\files\\b.bin");
    RunScheduler(state, channel);
    HostHas("bob", "C:\\other\\x.bin");
    HostHas("bob", "C:\\files\\a.bin");
    Batch* batch = sending->Batch;
    ASSERT_NE(batch, nullptr);

    EXPECT_EQ(CancelSend(state, Regular(), {channel->Regular.Waiting.Head, sending}), 1u);

    EXPECT_NE(std::find(host.Executed.begin(), host.Executed.end(), "/scid 1 /close -s2 bob"), host.Executed.end());
    EXPECT_EQ(SendCommands().back(), "/SendFile 1 ann C:\\files\\b.bin");
    EXPECT_EQ(channel->Regular.Sending.Count, 1u);
    EXPECT_EQ(CancelSend(state, Regular(), {}), 0u);
}

TEST_F(QueueViewTest, CancelAllClosesOnlySendsTheHostLists) {
    config->SQueueSlots = 2;
    Add(QueueKind::SmallFile, "bob", "C:\\files\\a", 10);
    Add(QueueKind::SmallFile, "ann", "C:\\files\\b", 10);
    RunScheduler(state, channel);
    RunScheduler(state, channel);
    ASSERT_EQ(config->Small.Sending.Count, 2u);
    HostHas("ann", "C:\\files\\b");
    platform.Panel.NextAnswer = kAnswerNo;
    EXPECT_EQ(CancelAllSends(state, Shown(QueueKind::SmallFile)), 0u);
    platform.Panel.NextAnswer = kAnswerYes;

    EXPECT_EQ(CancelAllSends(state, Shown(QueueKind::SmallFile)), 1u);

    EXPECT_EQ(host.Executed.back(), "/scid 1 /close -s1 ann");
    ASSERT_EQ(config->Small.Sending.Count, 1u);
    EXPECT_TRUE(config->Small.Sending.Head->Nick.Equals("bob"));
}

TEST_F(QueueViewTest, AllByNickSelectsEveryRowOfTheSelectedNicks) {
    std::vector<QueueEntry*> rows = SixWaiting();
    QueueEntry* shouting = Add(QueueKind::Regular, "Y", "C:\\files\\g");
    std::vector<QueueEntry*> found = SelectAllByNick(channel->Regular.Waiting.Entries(), {rows[3], rows[2]});
    EXPECT_EQ(found, (std::vector<QueueEntry*>{rows[0], rows[1], rows[2], rows[3], rows[4], shouting}));
}

TEST_F(QueueViewTest, InsertQueuesExistingFilesForSafeNicks) {
    host.Answer("$GetNickCount(1,#chan)", "4");
    host.Answer("$GetNick(1,#chan,1)", "Server");
    host.Answer("$GetNick(1,#chan,2)", "bob");
    host.Answer("$GetNick(1,#chan,3)", "$me");
    host.Answer("$GetNick(1,#chan,4)", "ann");
    EXPECT_EQ(ChannelNicks(state, channel), (std::vector<std::string>{"bob", "ann"}));

    std::string file = scratch.Path() + "/song.mp3";
    platform.Files.AppendToFile(file, "12345", 5);
    EXPECT_EQ(InsertFiles(state, channel, {{"bob", file}, {"ann", file + ".missing"}, {"a b", file}}), 1u);
    QueueEntry* entry = channel->Regular.Waiting.Head;
    EXPECT_EQ(entry->FileSize + entry->InRegularQueue, 6u);
    EXPECT_EQ(platform.Panel.RowsAdded.back(), entry);
}

}  // namespace
}  // namespace qvs
