#include <gtest/gtest.h>

#include "intake/server_events.h"
#include "sending/hold_expiry.h"
#include "sending/scheduler.h"
#include "sending_fixture.h"

namespace qvs {
namespace {

class HoldTest : public SendingTest {
protected:
    void Pass() { RunScheduler(state, channel); }
    void Tick(int minutes) {
        for (int i = 0; i < minutes; ++i) ExpireHeldEntries(state);
    }
    void NickIsBack(const char* nick) {
        gone.erase(nick);
        HandleServerEvent(state, kEventReachable, kConnection,
                          reinterpret_cast<uintptr_t>(platform.EventMemory.Text(nick)));
    }
};

TEST_F(HoldTest, AnAbsentNicksEntriesAreHeldAndTheNextNickIsServed) {
    QueueEntry* first = Add(QueueKind::Regular, "gone", "C:\\f\\1");
    QueueEntry* second = Add(QueueKind::Regular, "gone", "C:\\f\\2");
    Add(QueueKind::Regular, "here", "C:\\f\\3");
    gone.insert("gone");
    Pass();
    EXPECT_EQ(first->Held, 1u);
    EXPECT_EQ(second->Held, 1u);
    EXPECT_EQ(channel->Regular.HeldCount, 2u);
    ASSERT_EQ(SendCommands().size(), 1u);
    EXPECT_EQ(SendCommands()[0], "/SendFile 1 here C:\\f\\3");
    Pass();
    EXPECT_EQ(SendCommands().size(), 1u) << "held entries do not start";
}

TEST_F(HoldTest, SmallFileAndOpVoiceQueuesHoldAbsentNicksTooButTheListQueueDoesNot) {
    Add(QueueKind::SmallFile, "gone", "C:\\f\\s", 10);
    Add(QueueKind::OpVoice, "gone", "C:\\f\\o");
    Add(QueueKind::List, "gone", "C:\\f\\l");
    gone.insert("gone");
    Pass();
    EXPECT_EQ(config->Small.HeldCount, 1u);
    EXPECT_EQ(config->OpVoice.HeldCount, 1u);
    EXPECT_EQ(SendCommands(), (std::vector<std::string>{"/SendFile 1 gone C:\\f\\l"}));
}

TEST_F(HoldTest, WithoutKeepRequestsAnAbsentNickIsStillSentTo) {
    config->HoldQueue = 0;
    Add(QueueKind::Regular, "gone", "C:\\f\\1");
    gone.insert("gone");
    Pass();
    EXPECT_EQ(SendCommands().size(), 1u);
}

TEST_F(HoldTest, OnlyAnAnswerOfNoChannelsMeansGone) {
    Add(QueueKind::SmallFile, "refused", "C:\\f\\1", 10);
    Add(QueueKind::OpVoice, "garbage", "C:\\f\\2");
    host.Answer("$GetComChan(1, garbage)", "two");
    host.Resolver = nullptr;  // every other identifier is refused
    Pass();
    EXPECT_EQ(config->Small.HeldCount, 0u) << "a refused evaluation lets the send go ahead";
    EXPECT_EQ(config->OpVoice.HeldCount, 1u) << "a non-number means the nick is gone";
    EXPECT_EQ(SendCommands(), (std::vector<std::string>{"/SendFile 1 refused C:\\f\\1"}));
}

TEST_F(HoldTest, TheNickComingBackReleasesItsEntries) {
    QueueEntry* entry = Add(QueueKind::Regular, "Bob", "C:\\f\\1");
    gone.insert("Bob");
    Pass();
    Tick(2);
    ASSERT_EQ(entry->HeldMinutes, 2u);
    NickIsBack("Bob");
    EXPECT_EQ(entry->Held, 0u);
    EXPECT_EQ(entry->HeldMinutes, 0u);
    EXPECT_EQ(channel->Regular.HeldCount, 0u);
    Pass();
    EXPECT_EQ(SendCommands(), (std::vector<std::string>{"/SendFile 1 Bob C:\\f\\1"}));
}

TEST_F(HoldTest, HeldEntriesAreRemovedAfterHoldTimeMinutes) {
    config->HoldTime = 3;
    Add(QueueKind::Regular, "gone", "C:\\f\\1");
    Add(QueueKind::SmallFile, "gone", "C:\\f\\2", 10);
    gone.insert("gone");
    Pass();
    ASSERT_EQ(channel->Regular.HeldCount, 1u);
    ASSERT_EQ(config->Small.HeldCount, 1u);
    config->MaxSlot = 0;
    QueueEntry* waiting = Add(QueueKind::Regular, "here", "C:\\f\\3");
    Tick(3);
    EXPECT_EQ(channel->Regular.Waiting.Count, 2u);
    Tick(1);
    EXPECT_EQ(channel->Regular.Waiting.Count, 1u);
    EXPECT_EQ(channel->Regular.Waiting.Head, waiting);
    EXPECT_EQ(channel->Regular.HeldCount, 0u);
    EXPECT_EQ(config->Small.Waiting.Count, 0u);
    EXPECT_EQ(config->Small.HeldCount, 0u);
    EXPECT_EQ(waiting->HeldMinutes, 0u) << "waiting entries do not age";
}

TEST_F(HoldTest, SharedQueuesAgeOncePerMinuteWhenTheChannelIsServedTwice) {
    host.Answer("$scid(2).$me", "Server");
    ServedChannel* second = OpenServedChannel(state, 2, "#chan");
    ASSERT_NE(second, nullptr);
    QueueEntry* entry = Add(QueueKind::OpVoice, "gone", "C:\\f\\1");
    gone.insert("gone");
    Pass();
    ASSERT_EQ(entry->Held, 1u);
    Tick(1);
    EXPECT_EQ(entry->HeldMinutes, 1u);
}

TEST_F(HoldTest, HeldListEntriesExpireWithTheHoldTimeOfTheLastChannelVisited) {
    config->HoldTime = 1;
    QueueEntry* entry = Add(QueueKind::List, "gone", "C:\\f\\l");
    entry->Held = 1;  // moved here held from another queue
    state.ListQueue.HeldCount = 1;
    Tick(1);
    EXPECT_EQ(entry->HeldMinutes, 1u);
    Tick(1);
    EXPECT_TRUE(state.ListQueue.Waiting.Empty());
    EXPECT_EQ(state.ListQueue.HeldCount, 0u);
}

}  // namespace
}  // namespace qvs
