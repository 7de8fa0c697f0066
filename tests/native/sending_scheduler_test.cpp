#include <gtest/gtest.h>

#include "model/memory.h"
#include "sending/scheduler.h"
#include "sending_fixture.h"

namespace qvs {
namespace {

class SchedulerTest : public SendingTest {
protected:
    // One waiting Regular entry for each of n nicks, and the host lists the
    // sends we start as running at a healthy speed.
    void QueueNicks(int n) {
        for (int i = 0; i < n; ++i) {
            std::string nick = "nick" + std::to_string(i);
            Add(QueueKind::Regular, nick.c_str(), ("C:\\files\\" + nick + ".avi").c_str());
        }
    }
    uint32_t Running() const { return channel->Regular.Sending.Count; }
    void Pass() { RunScheduler(state, channel); }
    void SetSamples(uint32_t a, uint32_t b, uint32_t c) {
        state.SpeedSamples[0] = a;
        state.SpeedSamples[1] = b;
        state.SpeedSamples[2] = c;
    }
    // Completes the oldest Regular send successfully.
    void FinishOldest() {
        QueueEntry* oldest = channel->Regular.Sending.Head;
        ASSERT_NE(oldest, nullptr);
        std::string nick = oldest->Nick.c_str(), path = oldest->FilePath.c_str();
        Report(nick.c_str(), path.c_str(), true);
    }
    // "nick file" of every send command, in order.
    std::vector<std::string> Started() const {
        std::vector<std::string> started;
        for (const std::string& command : SendCommands()) {
            std::string rest = command.substr(command.find(' ', command.find(' ') + 1) + 1);
            started.push_back(rest.substr(0, rest.find(' ')) + " " + rest.substr(rest.rfind('\\') + 1));
        }
        return started;
    }
};

TEST_F(SchedulerTest, BelowMinSlotASendStartsWithoutTheBandwidthTest) {
    config->MinSlot = 2;
    config->MaxSlot = 4;
    QueueNicks(5);
    HostHas("someone", "C:\\x\\stalled.bin", "0");  // would stop any send beyond MinSlot
    SetSamples(90000, 90000, 90000);
    Pass();
    EXPECT_EQ(Running(), 1u);
    Pass();
    EXPECT_EQ(Running(), 2u);
    Pass();
    EXPECT_EQ(Running(), 2u);
}

TEST_F(SchedulerTest, BetweenMinAndMaxSlotAStalledSendOrAFastUploadStopsNewSends) {
    config->MinSlot = 2;
    config->MaxSlot = 4;
    QueueNicks(6);
    Pass();
    Pass();
    ASSERT_EQ(Running(), 2u);

    HostHas("someone", "C:\\x\\a.bin", "5000");
    HostHas("other", "C:\\x\\b.bin", "");  // an empty speed reads 0: stalled
    Pass();
    EXPECT_EQ(Running(), 2u) << "a stalled send of the host";

    sends.pop_back();
    SetSamples(2500, 2500, 2502);  // average 2500 is not below the threshold
    Pass();
    EXPECT_EQ(Running(), 2u) << "upload at the threshold";

    SetSamples(2500, 2500, 2499);
    Pass();
    EXPECT_EQ(Running(), 3u);
    Pass();
    EXPECT_EQ(Running(), 4u);
    Pass();
    EXPECT_EQ(Running(), 4u) << "MaxSlot reached";
}

TEST_F(SchedulerTest, UnreadableSpeedsAreNotStalledAndHugeSamplesDoNotWrap) {
    config->MinSlot = 0;
    config->MaxSlot = 3;
    QueueNicks(3);
    HostHas("someone", "C:\\x\\a.bin", "fast");
    SetSamples(0xFFFFFFFFu, 0xFFFFFFFFu, 3);
    Pass();
    EXPECT_EQ(Running(), 0u) << "a wrapped sum would have looked slow";
    SetSamples(0, 0, 0);
    Pass();
    EXPECT_EQ(Running(), 1u);
}

TEST_F(SchedulerTest, MaxSlotBelowMinSlotIsTheLimit) {
    config->MinSlot = 3;
    config->MaxSlot = 1;
    QueueNicks(3);
    Pass();
    Pass();
    EXPECT_EQ(Running(), 1u);
}

TEST_F(SchedulerTest, BatchesTakeTurnsBetweenNicks) {
    config->MinSlot = 1;
    config->MaxSlot = 1;
    config->BatchSize = 2;
    Add(QueueKind::Regular, "A", "C:\\f\\a1");
    Add(QueueKind::Regular, "A", "C:\\f\\a2");
    Add(QueueKind::Regular, "B", "C:\\f\\b1");
    Add(QueueKind::Regular, "A", "C:\\f\\a3");
    Pass();
    for (int i = 0; i < 3; ++i) FinishOldest();
    EXPECT_EQ(Started(), (std::vector<std::string>{"A a1", "A a2", "B b1", "A a3"}));
    EXPECT_EQ(channel->Regular.Waiting.Count, 0u);
}

TEST_F(SchedulerTest, AClosedBatchPrefersAnotherNickEvenFurtherBack) {
    config->MinSlot = 1;
    config->MaxSlot = 1;
    config->BatchSize = 2;
    Add(QueueKind::Regular, "A", "C:\\f\\a1");
    Add(QueueKind::Regular, "A", "C:\\f\\a2");
    Add(QueueKind::Regular, "A", "C:\\f\\a3");
    Add(QueueKind::Regular, "B", "C:\\f\\b1");
    Pass();
    for (int i = 0; i < 3; ++i) FinishOldest();
    EXPECT_EQ(Started(), (std::vector<std::string>{"A a1", "A a2", "B b1", "A a3"}));
}

TEST_F(SchedulerTest, TheOnlyWaitingNickGetsANewBatchAtOnce) {
    config->MinSlot = 1;
    config->MaxSlot = 1;
    config->BatchSize = 1;
    Add(QueueKind::Regular, "A", "C:\\f\\a1");
    Add(QueueKind::Regular, "A", "C:\\f\\a2");
    Pass();
    FinishOldest();
    EXPECT_EQ(Started(), (std::vector<std::string>{"A a1", "A a2"}));
    EXPECT_EQ(channel->Batches.Count, 1u);
}

TEST_F(SchedulerTest, AGroupsBatchSizeOverridesTheChannels) {
    config->MinSlot = 1;
    config->MaxSlot = 1;
    config->BatchSize = 5;
    UserGroup* group = NewRecord<UserGroup>();
    AppendName(group->Members, "a");
    state.UserGroups.PushBack(group);
    GroupSelection* selection = NewRecord<GroupSelection>();
    selection->Group = group;
    selection->BatchSize = 1;
    config->UserGroupLinks.PushBack(selection);
    Add(QueueKind::Regular, "A", "C:\\f\\a1");
    Add(QueueKind::Regular, "A", "C:\\f\\a2");
    Add(QueueKind::Regular, "B", "C:\\f\\b1");
    Pass();
    FinishOldest();
    FinishOldest();
    EXPECT_EQ(Started(), (std::vector<std::string>{"A a1", "B b1", "A a2"}));
}

TEST_F(SchedulerTest, TwoSlotsServeTwoNicksNotOneNickTwice) {
    config->MinSlot = 2;
    config->MaxSlot = 2;
    Add(QueueKind::Regular, "A", "C:\\f\\a1");
    Add(QueueKind::Regular, "A", "C:\\f\\a2");
    Add(QueueKind::Regular, "B", "C:\\f\\b1");
    Pass();
    Pass();
    EXPECT_EQ(Started(), (std::vector<std::string>{"A a1", "B b1"}));
}

TEST_F(SchedulerTest, SmallFilesOfOneNickNeverSendTogether) {
    config->SQueueSlots = 3;
    Add(QueueKind::SmallFile, "A", "C:\\f\\s1", 100);
    Add(QueueKind::SmallFile, "A", "C:\\f\\s2", 100);
    Add(QueueKind::SmallFile, "b", "C:\\f\\s3", 100);
    Pass();
    Pass();
    Pass();
    EXPECT_EQ(Started(), (std::vector<std::string>{"A s1", "b s3"}));
    Report("a", "c:\\F\\S1", true);
    EXPECT_EQ(Started().back(), "A s2");
}

TEST_F(SchedulerTest, ListQueueServesTheCurrentListFileAndSkipsListsBeingRebuilt) {
    FileList* movies = NewRecord<FileList>();
    movies->TrueListName.Set("Movies-20260307");
    movies->Zipped = 1;
    state.FileLists.PushBack(movies);
    FileList* music = NewRecord<FileList>();
    music->TrueListName.Set("Music-20260307");
    music->Updating = 1;
    state.FileLists.PushBack(music);
    QueueEntry* busy = Add(QueueKind::List, "A", "old.txt");
    busy->IsList = 1;
    busy->List = music;
    QueueEntry* ready = Add(QueueKind::List, "B", "old.txt");
    ready->IsList = 1;
    ready->List = movies;
    Pass();
    ASSERT_EQ(SendCommands().size(), 1u);
    EXPECT_EQ(SendCommands()[0], "/SendFile 1 B " + state.ConfigFolder + "Movies-20260307.zip");
    EXPECT_EQ(state.ListQueue.Sending.Head, ready);
}

TEST_F(SchedulerTest, EachQueueStartsOneSendPerPassUpToItsSlots) {
    state.Settings.ListQueueLimit = 1;
    config->OpSlots = 1;
    for (const char* nick : {"a", "b"}) {
        Add(QueueKind::Regular, nick, "C:\\f\\r");
        Add(QueueKind::OpVoice, nick, "C:\\f\\o");
        Add(QueueKind::SmallFile, nick, "C:\\f\\s", 10);
        Add(QueueKind::List, nick, "C:\\f\\l");
    }
    Pass();
    EXPECT_EQ(SendCommands().size(), 4u);
    Pass();
    EXPECT_EQ(SendCommands().size(), 5u) << "only the second Regular slot was free";
}

TEST_F(SchedulerTest, HoldAllStopsEveryQueueOfEveryChannel) {
    state.Hold = HoldMode::HoldAll;
    Add(QueueKind::Regular, "a", "C:\\f\\r");
    Add(QueueKind::OpVoice, "a", "C:\\f\\o");
    Add(QueueKind::SmallFile, "a", "C:\\f\\s", 10);
    Add(QueueKind::List, "a", "C:\\f\\l");
    Pass();
    EXPECT_TRUE(SendCommands().empty());
    state.Hold = HoldMode::UnholdAll;
    Pass();
    EXPECT_EQ(SendCommands().size(), 4u);
}

TEST_F(SchedulerTest, PerQueueHoldFlagsCountOnlyWithPerQueueSettings) {
    config->HoldRegular = 1;
    state.HoldListQueue = 1;
    Add(QueueKind::Regular, "a", "C:\\f\\r");
    Add(QueueKind::SmallFile, "a", "C:\\f\\s", 10);
    Add(QueueKind::List, "a", "C:\\f\\l");
    state.Hold = HoldMode::PerQueue;
    Pass();
    EXPECT_EQ(Started(), (std::vector<std::string>{"a s"}));
    state.Hold = HoldMode::UnholdAll;
    Pass();
    EXPECT_EQ(SendCommands().size(), 3u);
}

TEST_F(SchedulerTest, RestoreHoldKeepsTheChannelsQueuesButNotTheListQueue) {
    channel->RestoreHold = 120000;
    Add(QueueKind::Regular, "a", "C:\\f\\r");
    Add(QueueKind::List, "b", "C:\\f\\l");
    Pass();
    EXPECT_EQ(Started(), (std::vector<std::string>{"b l"}));
}

TEST_F(SchedulerTest, RestoredQueuesDripInOneAtATime) {
    state.Settings.QueueRestorationDelay = 30;
    Add(QueueKind::Regular, "a", "C:\\f\\r");
    Add(QueueKind::OpVoice, "b", "C:\\f\\o");
    Add(QueueKind::SmallFile, "c", "C:\\f\\s", 10);
    for (uint32_t kind : {1u, 3u, 2u}) {
        RestorationNode* node = NewRecord<RestorationNode>();
        node->Channel = channel;
        node->Kind = kind;
        state.PendingRestoration.PushFront(node);
    }
    Pass();
    EXPECT_EQ(Started(), (std::vector<std::string>{"b o"}));
    ASSERT_NE(state.RestorationTimer, 0u);
    EXPECT_EQ(platform.Time.PeriodOf(state.RestorationTimer), 30000u);
    Pass();
    EXPECT_EQ(SendCommands().size(), 1u) << "the drip, not the pass, serves restored queues";
    platform.Time.Advance(30000);
    EXPECT_EQ(Started().back(), "c s");
    TimerId timer = state.RestorationTimer;
    platform.Time.Advance(30000);
    EXPECT_EQ(Started().back(), "a r");
    EXPECT_TRUE(state.PendingRestoration.Empty());
    EXPECT_EQ(state.RestorationTimer, 0u);
    EXPECT_FALSE(platform.Time.IsRunning(timer));
}

}  // namespace
}  // namespace qvs
