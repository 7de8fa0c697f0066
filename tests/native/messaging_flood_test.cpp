#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "hostlink/host_link.h"
#include "messaging/flood_control.h"
#include "messaging/routing.h"
#include "messaging_fixture.h"

namespace qvs {
namespace {

class FloodControlTest : public MessagingTest {
protected:
    Connection* connection = nullptr;
    std::size_t seen = 0;

    void SetUp() override {
        MessagingTest::SetUp();
        connection = Connect(3, "EFnet");
    }

    void Notice(const char* nick, const char* text = "hi") { SendNotice(state, 3, nick, text, "#chan"); }

    // Commands that reached the host since the last look.
    std::vector<std::string> NewlySent() {
        std::vector<std::string> fresh(host.Executed.begin() + seen, host.Executed.end());
        seen = host.Executed.size();
        return fresh;
    }
    std::vector<std::string> After(uint64_t ms) {
        platform.Time.Advance(ms);
        return NewlySent();
    }
    static std::string NoticeTo(const std::string& nick) { return "/scid 3 /notice " + nick + " hi"; }
};

TEST_F(FloodControlTest, ExcessFloodSpacesFiveNicksTwoSecondsApart) {
    Pace(connection, 1, 2, 0, 0);
    for (const char* nick : {"n1", "n2", "n3", "n4", "n5"}) Notice(nick);
    EXPECT_EQ(NewlySent(), std::vector<std::string>{NoticeTo("n1")});
    for (const char* nick : {"n2", "n3", "n4", "n5"}) {
        EXPECT_TRUE(After(1999).empty()) << nick;
        EXPECT_EQ(After(1), std::vector<std::string>{NoticeTo(nick)});
    }
    EXPECT_EQ(connection->FloodTimer, 0u);
    EXPECT_EQ(platform.Time.RunningCount(), 0u);
    EXPECT_TRUE(After(60000).empty());
}

TEST_F(FloodControlTest, LastSendOlderThanTheGapLeavesAtOnce) {
    Pace(connection, 1, 2, 0, 0);
    Notice("n1");
    After(2500);
    Notice("n2");
    EXPECT_EQ(NewlySent(), std::vector<std::string>{NoticeTo("n2")});
    EXPECT_EQ(connection->FloodTimer, 0u);
}

TEST_F(FloodControlTest, WaitIsAFullGapFromTheCommandNotTheRemainder) {
    Pace(connection, 1, 4, 0, 0);
    Notice("n1");
    After(1000);
    Notice("n2");
    EXPECT_TRUE(After(3999).empty());
    EXPECT_EQ(After(1), std::vector<std::string>{NoticeTo("n2")});
}

TEST_F(FloodControlTest, OneTickReleasesARunToOneNickUnderTargetChangePacing) {
    Pace(connection, 0, 0, 1, 10);
    Notice("alice");
    for (const char* nick : {"bob", "bob", "BOB", "carol"}) Notice(nick);
    EXPECT_EQ(NewlySent().size(), 1u);
    EXPECT_EQ(platform.Time.PeriodOf(connection->FloodTimer), 10000u);
    EXPECT_TRUE(After(9999).empty());
    // A single timer message, not a burst of them, releases the whole run.
    FloodTimerFired(state, connection, connection->FloodTimer);
    EXPECT_EQ(NewlySent(), (std::vector<std::string>{NoticeTo("bob"), NoticeTo("bob"), NoticeTo("BOB")}));
    EXPECT_EQ(platform.Time.PeriodOf(connection->FloodTimer), 10000u);
    EXPECT_TRUE(After(9999).empty());
    EXPECT_EQ(After(1), std::vector<std::string>{NoticeTo("carol")});
    EXPECT_EQ(connection->FloodTimer, 0u);
}

TEST_F(FloodControlTest, SameNickNeedsNoGapWhenOnlyTargetChangeIsPaced) {
    Pace(connection, 0, 5, 1, 10);
    Notice("alice", "one");
    Notice("ALICE", "two");
    EXPECT_EQ(NewlySent().size(), 2u);
    EXPECT_EQ(connection->FloodTimer, 0u);
}

TEST_F(FloodControlTest, BothRulesChooseTheGapByTheNextTarget) {
    Pace(connection, 1, 2, 1, 10);
    Notice("alice", "one");
    Notice("alice", "two");
    Notice("bob");
    Notice("bob", "again");
    EXPECT_EQ(NewlySent().size(), 1u);
    EXPECT_EQ(platform.Time.PeriodOf(connection->FloodTimer), 2000u);
    EXPECT_EQ(After(2000), std::vector<std::string>{"/scid 3 /notice alice two"});
    EXPECT_EQ(platform.Time.PeriodOf(connection->FloodTimer), 10000u);
    EXPECT_TRUE(After(9999).empty());
    EXPECT_EQ(After(1), std::vector<std::string>{NoticeTo("bob")});
    EXPECT_EQ(platform.Time.PeriodOf(connection->FloodTimer), 2000u);
    EXPECT_EQ(After(2000), std::vector<std::string>{"/scid 3 /notice bob again"});
}

TEST_F(FloodControlTest, NeverPacedWithoutAnActiveRule) {
    Pace(connection, 1, 0, 0, 10);
    for (const char* nick : {"n1", "n2", "n3", "n4"}) Notice(nick);
    EXPECT_EQ(NewlySent().size(), 4u);
    Connection* unpaced = Connect(4, "Elsewhere");
    for (const char* nick : {"n1", "n2", "n3"}) SendNotice(state, 4, nick, "hi", "#chan");
    EXPECT_EQ(NewlySent().size(), 3u);
    EXPECT_EQ(connection->FloodTimer, 0u);
    EXPECT_EQ(unpaced->FloodTimer, 0u);
    EXPECT_EQ(platform.Time.RunningCount(), 0u);
}

TEST_F(FloodControlTest, UndernetChannelFormOvertakesWaitingMessages) {
    connection->NetworkName.Set("UnderNET");
    Serve(3, "#chan");
    host.Answer("$GetOpStatus(3 ,#chan,Server)", "");
    host.Answer("$GetVoiceStatus(3,#chan,Server)", "+");
    Pace(connection, 1, 2, 0, 0);
    SendPlainNotice(state, 3, "n1", "hi");
    SendPlainNotice(state, 3, "n2", "hi");
    SendNotice(state, 3, "bob", "send starting", "#chan");
    EXPECT_EQ(NewlySent(), (std::vector<std::string>{NoticeTo("n1"), "/scid 3 /CNotice bob #chan send starting"}));
    EXPECT_EQ(After(2000), std::vector<std::string>{NoticeTo("n2")});
}

TEST_F(FloodControlTest, SendCommandQueuedBehindNoticesWaitsForItsTurn) {
    Pace(connection, 1, 2, 0, 0);
    Notice("n1");
    Notice("n2");
    FormatHostLink(state, "/scid 3 /SendFile %lu %s %s", 3ul, "bob", "C:\\shared\\a file.zip");
    PaceCommand(state, connection, state.Link.Buffer, "bob");
    Notice("n3");
    EXPECT_EQ(NewlySent(), std::vector<std::string>{NoticeTo("n1")});
    EXPECT_EQ(After(2000), std::vector<std::string>{NoticeTo("n2")});
    EXPECT_EQ(After(2000), std::vector<std::string>{"/scid 3 /SendFile 3 bob C:\\shared\\a file.zip"});
    EXPECT_EQ(After(2000), std::vector<std::string>{NoticeTo("n3")});
}

TEST_F(FloodControlTest, CommandWithoutAConnectionGoesOutAtOnce) {
    FormatHostLink(state, "/SendFile 9 bob x");
    PaceCommand(state, nullptr, state.Link.Buffer, "bob");
    EXPECT_EQ(NewlySent(), std::vector<std::string>{"/SendFile 9 bob x"});
}

TEST_F(FloodControlTest, WaitingMessageToANickWhoLeftIsDropped) {
    Pace(connection, 1, 2, 0, 0);
    Notice("n1");
    Notice("bob");
    Notice("n3");
    gone.insert("bob");
    EXPECT_EQ(NewlySent(), std::vector<std::string>{NoticeTo("n1")});
    EXPECT_TRUE(After(2000).empty());
    EXPECT_STREQ(connection->LastTarget.c_str(), "n1");
    EXPECT_EQ(After(2000), std::vector<std::string>{NoticeTo("n3")});
    EXPECT_STREQ(connection->LastTarget.c_str(), "n3");
}

TEST_F(FloodControlTest, FirstCommandToANickWhoLeftLeavesNoLastTarget) {
    Pace(connection, 1, 2, 0, 0);
    gone.insert("bob");
    PaceCommand(state, connection, "/scid 3 /notice bob hi", "bob");
    EXPECT_TRUE(NewlySent().empty());
    EXPECT_TRUE(connection->LastTarget.IsNone());
    Notice("n1");
    EXPECT_EQ(NewlySent(), std::vector<std::string>{NoticeTo("n1")});
}

TEST_F(FloodControlTest, DisconnectDropsWaitingMessagesAndStopsTheTimer) {
    Pace(connection, 1, 2, 0, 0);
    for (const char* nick : {"n1", "n2", "n3", "n4"}) Notice(nick);
    ASSERT_EQ(connection->Pending.Count, 3u);
    WindowHandle window = connection->FloodWindow;
    CloseConnection(state, 3);
    EXPECT_EQ(platform.Time.RunningCount(), 0u);
    EXPECT_EQ(platform.Windows.Live.count(window), 0u);
    EXPECT_EQ(NewlySent().size(), 1u);
    EXPECT_TRUE(After(60000).empty());
}

TEST_F(FloodControlTest, LateTickOfAStoppedTimerReleasesNothing) {
    Pace(connection, 1, 2, 0, 0);
    Notice("n1");
    Notice("n2");
    TimerId running = connection->FloodTimer;
    FloodTimerFired(state, connection, running + 1);
    FloodTimerFired(state, reinterpret_cast<Connection*>(0x1234), running);
    EXPECT_EQ(NewlySent().size(), 1u);
    EXPECT_EQ(connection->Pending.Count, 1u);
}

TEST_F(FloodControlTest, WaitingQueueIsBounded) {
    Pace(connection, 1, 2, 0, 0);
    for (uint32_t i = 0; i < kMaxPendingMessages + 50; ++i) Notice(("n" + std::to_string(i)).c_str());
    EXPECT_EQ(connection->Pending.Count, kMaxPendingMessages);
    EXPECT_STREQ(connection->Pending.Tail->Target.c_str(), ("n" + std::to_string(kMaxPendingMessages)).c_str());
    After(2000);
    Notice("late");
    EXPECT_STREQ(connection->Pending.Tail->Target.c_str(), "late");
}

TEST_F(FloodControlTest, HugeIntervalIsHeldAtTheLongestTimerPeriod) {
    Pace(connection, 1, 4000000000u, 0, 0);
    Notice("n1");
    Notice("n2");
    EXPECT_EQ(platform.Time.PeriodOf(connection->FloodTimer), 0x7FFFFFFFu);
}

TEST_F(FloodControlTest, OverlongWaitingCommandIsCutToTheHostLinkLimit) {
    Pace(connection, 1, 2, 0, 0);
    Notice("n1");
    std::string long1(3000, 'a');
    PaceCommand(state, connection, long1.c_str(), "n2");
    NewlySent();
    EXPECT_EQ(After(2000), std::vector<std::string>{std::string(kHostLinkBufferSize - 1, 'a')});
}

}  // namespace
}  // namespace qvs
