#include <gtest/gtest.h>

#include "sending/scheduler.h"
#include "sending_fixture.h"

namespace qvs {
namespace {

std::string ResendNotice(int attempt, int limit) {
    return "/scid 1 /notice bob : \x03" "2,15Resend attempt\x03\x03" "12,15 " + std::to_string(attempt) +
           "\x03\x03" "2,15 of\x03\x03" "12,15 " + std::to_string(limit) + "\x03\x03" "2,15 :\x03\x03"
           "12,15 a.avi\x03\x03" "2,15. Type \x03\x03" "12,15@Server-NoResend\x03\x03"
           "2,15 if you don't want this file to be resent.\x03";
}

class CompletionTest : public SendingTest {
protected:
    QueueEntry* StartRegular(const char* nick = "bob", const char* path = "C:\\files\\a.avi", uint64_t size = 100000) {
        QueueEntry* entry = Add(QueueKind::Regular, nick, path, size);
        RunScheduler(state, channel);
        return entry;
    }
    void Fail() { Report("bob", "C:\\files\\a.avi", false); }
};

TEST_F(CompletionTest, ASuccessfulSendIsCountedAndFreesItsSlot) {
    StartRegular();
    Report("BOB", "c:\\FILES\\A.AVI", true, 2000, 700000);
    EXPECT_TRUE(channel->Regular.Sending.Empty());
    EXPECT_EQ(config->NoOfFilesSent, 1u);
    EXPECT_EQ(config->SizeOfFilesSent, 700000u);
    EXPECT_EQ(config->AvgSendSpeed, 2000u);
    EXPECT_EQ(config->MaxSendSpeed, 2000u);
    EXPECT_EQ(platform.Panel.StatisticsRefreshed, (std::vector<ChannelConfig*>{config}));
    EXPECT_TRUE(platform.Files.FileExists(ConfigPath("#chan-toplist.txt")));
    EXPECT_EQ(platform.EventMemory.LiveBlocks(), 0u);
}

TEST_F(CompletionTest, ASuccessfulListSendChangesNoStatistics) {
    QueueEntry* entry = Add(QueueKind::List, "bob", "C:\\files\\list.txt");
    RunScheduler(state, channel);
    ASSERT_EQ(state.ListQueue.Sending.Head, entry);
    Report("bob", "C:\\files\\list.txt", true);
    EXPECT_TRUE(state.ListQueue.Sending.Empty());
    EXPECT_EQ(config->NoOfFilesSent, 0u);
    EXPECT_EQ(config->SizeOfFilesSent, 0u);
    EXPECT_TRUE(platform.Panel.StatisticsRefreshed.empty());
    EXPECT_FALSE(platform.Files.FileExists(ConfigPath("#chan-toplist.txt")));
}

TEST_F(CompletionTest, AFailedListSendIsNeverResent) {
    config->RegularQueueResend.Limit = 5;
    Add(QueueKind::List, "bob", "C:\\files\\list.txt");
    RunScheduler(state, channel);
    Report("bob", "C:\\files\\list.txt", false);
    EXPECT_TRUE(state.ListQueue.Sending.Empty());
    EXPECT_EQ(SendCommands().size(), 1u);
}

TEST_F(CompletionTest, ImmediateResendsUpToTheLimitThenTheEntryIsGone) {
    config->RegularQueueResend.Limit = 2;
    QueueEntry* entry = StartRegular();
    Fail();
    ASSERT_EQ(channel->Regular.Sending.Head, entry);
    EXPECT_EQ(Notices().back(), ResendNotice(1, 2));
    EXPECT_EQ(entry->Batch->Ready, 0u) << "the batch waits for the resend";
    Fail();
    EXPECT_EQ(Notices().back(), ResendNotice(2, 2));
    EXPECT_EQ(SendCommands().size(), 3u);
    Fail();
    EXPECT_TRUE(channel->Regular.Sending.Empty());
    EXPECT_EQ(SendCommands().size(), 3u);
    EXPECT_EQ(config->NoOfFilesSent, 0u);
}

TEST_F(CompletionTest, RequeuedSendsKeepTheirAttemptsAndFirstRequestTime) {
    config->RegularQueueResend.Method = 1;
    config->RegularQueueResend.Limit = 1;
    config->MinSlot = config->MaxSlot = 1;
    config->BatchSize = 1;  // the freed slot goes to the next nick
    QueueEntry* entry = StartRegular();
    Add(QueueKind::Regular, "carol", "C:\\files\\b.avi");
    platform.Time.Advance(7 * 60000);
    Fail();
    EXPECT_EQ(channel->Regular.Waiting.Tail, entry);
    EXPECT_EQ(entry->ResendAttempts, 1u);
    EXPECT_EQ(SendCommands().back(), "/SendFile 1 carol C:\\files\\b.avi") << "the freed slot goes on";
    Report("carol", "C:\\files\\b.avi", true);
    EXPECT_EQ(channel->Regular.Sending.Head, entry);
    EXPECT_NE(Notices().back().find("\x03" "12,15 7 \x03"), std::string::npos) << Notices().back();
    Fail();
    EXPECT_TRUE(channel->Regular.Sending.Empty()) << "the one resend was used";
    EXPECT_TRUE(channel->Regular.Waiting.Empty());
}

TEST_F(CompletionTest, FilesBelowTheMinimumSizeOrWithResendOffAreNotResent) {
    config->RegularQueueResend.Limit = 3;
    config->RegularQueueResend.FileSize = 100001;
    StartRegular();
    Fail();
    EXPECT_TRUE(channel->Regular.Sending.Empty());
    config->RegularQueueResend.FileSize = 100000;
    config->RegularQueueResend.Use = 0;
    StartRegular();
    Fail();
    EXPECT_TRUE(channel->Regular.Sending.Empty());
    config->RegularQueueResend.Use = 1;
    StartRegular();
    Fail();
    EXPECT_FALSE(channel->Regular.Sending.Empty()) << "exactly the minimum size is resent";
}

TEST_F(CompletionTest, EachQueueFollowsItsOwnResendRule) {
    config->SQueueResend.Limit = 1;
    config->OpVoiceQueueResend.Limit = 0;
    Add(QueueKind::SmallFile, "bob", "C:\\files\\s.txt", 10);
    Add(QueueKind::OpVoice, "bob", "C:\\files\\o.avi");
    RunScheduler(state, channel);
    Report("bob", "C:\\files\\s.txt", false);
    Report("bob", "C:\\files\\o.avi", false);
    EXPECT_EQ(config->Small.Sending.Count, 1u);
    EXPECT_EQ(config->OpVoice.Sending.Count, 0u);
}

TEST_F(CompletionTest, ReportsForUnknownSendsChangeNothing) {
    StartRegular();
    Report("bob", "C:\\files\\other.avi", true);
    Report("carol", "C:\\files\\a.avi", true);
    Report("bob", "C:\\files\\a.avi", true, 1000, 100000, 7);
    Report("bob", "C:\\files\\a.avi.bak", false);
    Report("", "", true);
    EXPECT_EQ(channel->Regular.Sending.Count, 1u);
    EXPECT_EQ(config->NoOfFilesSent, 0u);
    EXPECT_EQ(platform.EventMemory.LiveBlocks(), 0u);
}

TEST_F(CompletionTest, AReportOnAnotherConnectionLeavesASharedQueuesSendAlone) {
    host.Answer("$scid(2).$me", "Server");
    ServedChannel* second = OpenServedChannel(state, 2, "#chan");
    Add(QueueKind::SmallFile, "bob", "C:\\files\\s.txt", 10, second);
    RunScheduler(state, second);
    ASSERT_EQ(config->Small.Sending.Count, 1u);
    Report("bob", "C:\\files\\s.txt", true, 1000, 10, kConnection);
    EXPECT_EQ(config->Small.Sending.Count, 1u);
    Report("bob", "C:\\files\\s.txt", true, 1000, 10, 2);
    EXPECT_EQ(config->Small.Sending.Count, 0u);
}

}  // namespace
}  // namespace qvs
