// "-NoResend" typed after a resend notice: the next failure of the nick's
// first send in each queue is final, whatever the queue's resend rule.
#include <gtest/gtest.h>

#include "requests/dispatch.h"
#include "sending/scheduler.h"
#include "sending_fixture.h"

namespace qvs {
namespace {

class NoResendTest : public SendingTest {
protected:
    void Say(const char* nick, const char* message) {
        std::string channelText = "#chan", who = nick, text = message;
        TextEvent event{kConnection, &channelText[0], &who[0], &text[0], 0, 0};
        DispatchTrigger(state, channel, event);
    }
    size_t SendsOf(const std::string& path) const {
        size_t count = 0;
        for (const std::string& command : SendCommands()) count += command.find(path) != std::string::npos;
        return count;
    }
};

TEST_F(NoResendTest, CancelsThePendingResendOfTheFirstSendInEachQueue) {
    for (ResendRule* rule : {&config->RegularQueueResend, &config->SQueueResend, &config->OpVoiceQueueResend})
        rule->Limit = 2;
    Add(QueueKind::Regular, "bob", "C:\\files\\a.avi");
    QueueEntry* second = Add(QueueKind::Regular, "bob", "C:\\files\\b.avi");
    Add(QueueKind::SmallFile, "bob", "C:\\files\\s.txt", 10);
    Add(QueueKind::OpVoice, "bob", "C:\\files\\o.avi");
    RunScheduler(state, channel);
    // A batch sends one file at a time: the second one runs as if sent at
    // once from the queue view.
    channel->Regular.Waiting.Unlink(second);
    channel->Regular.Sending.PushBack(second);
    ASSERT_EQ(channel->Regular.Sending.Count + config->Small.Sending.Count + config->OpVoice.Sending.Count, 4u);

    Report("bob", "C:\\files\\a.avi", false);
    ASSERT_EQ(SendsOf("a.avi"), 2u) << "resent once before the user declines";
    Say("BOB", "@server-NoResend");
    EXPECT_EQ(Notices().back(), "/scid 1 /notice BOB : \x03" "12,15Resend cancelled\x03");

    for (const char* path : {"C:\\files\\a.avi", "C:\\files\\b.avi", "C:\\files\\s.txt", "C:\\files\\o.avi"})
        Report("bob", path, false);
    EXPECT_EQ(SendsOf("a.avi"), 2u);
    EXPECT_EQ(SendsOf("s.txt"), 1u);
    EXPECT_EQ(SendsOf("o.avi"), 1u);
    EXPECT_EQ(SendsOf("b.avi"), 1u) << "only the first send of a queue is covered";
    EXPECT_EQ(channel->Regular.Sending.Count, 1u);
    EXPECT_TRUE(config->Small.Sending.Empty());
    EXPECT_TRUE(config->OpVoice.Sending.Empty());
}

TEST_F(NoResendTest, IsAnsweredWhenNothingRunsAndWhenTheChannelIsNotServed) {
    config->Serve = 0;
    Say("bob", "@Server-NoResend");
    EXPECT_EQ(Notices(), std::vector<std::string>{"/scid 1 /notice bob : \x03" "12,15Resend cancelled\x03"});
}

}  // namespace
}  // namespace qvs
