#include <gtest/gtest.h>

#include "sending/scheduler.h"
#include "sending/speed_sample.h"
#include "sending/supervision.h"
#include "sending_fixture.h"

namespace qvs {
namespace {

const std::string kTooSlowNotice =
    "/scid 1 /notice bob \x03" "12,15slow.avi \x03\x03"
    "2,15will be terminated because the average transfer rate dropped below\x03\x03" "12,15 1000\x03\x03"
    "2,15 cps\x03";

class SupervisionTest : public SendingTest {
protected:
    void Checks(int n) {
        for (int i = 0; i < n; ++i) SuperviseSends(state);
    }
    HostSend& Listed(const std::string& nick, const std::string& path) {
        HostHas(nick, path, "0");
        return sends.back();
    }
    std::vector<std::string> Closes() const {
        std::vector<std::string> closes;
        for (const std::string& command : host.Executed)
            if (command.find("/close") != std::string::npos) closes.push_back(command);
        return closes;
    }
};

TEST_F(SupervisionTest, ASendTheHostNeverListsIsDroppedAtThe61stCheckAndItsSlotReused) {
    config->MinSlot = config->MaxSlot = 1;
    QueueEntry* entry = Add(QueueKind::Regular, "bob", "C:\\files\\a.avi");
    Add(QueueKind::Regular, "carol", "C:\\files\\b.avi");
    RunScheduler(state, channel);
    Checks(60);
    EXPECT_EQ(channel->Regular.Sending.Head, entry);
    EXPECT_EQ(entry->MissingTicks, 60u);
    Checks(1);
    ASSERT_EQ(channel->Regular.Sending.Count, 1u);
    EXPECT_STREQ(channel->Regular.Sending.Head->Nick.c_str(), "carol");
    EXPECT_EQ(SendCommands().back(), "/SendFile 1 carol C:\\files\\b.avi");
}

TEST_F(SupervisionTest, AListedSendStaysAndItsMissingCountIsKept) {
    QueueEntry* entry = Add(QueueKind::SmallFile, "bob", "C:\\files\\a.txt", 10);
    RunScheduler(state, channel);
    Checks(10);
    Listed("BOB", "c:\\files\\A.TXT");
    Checks(100);
    ASSERT_EQ(config->Small.Sending.Head, entry);
    EXPECT_EQ(entry->MissingTicks, 10u);
}

TEST_F(SupervisionTest, ListAndOpVoiceSendsAreSupervisedToo) {
    Add(QueueKind::OpVoice, "bob", "C:\\files\\o.avi");
    Add(QueueKind::List, "bob", "C:\\files\\l.txt");
    RunScheduler(state, channel);
    Checks(61);
    EXPECT_TRUE(config->OpVoice.Sending.Empty());
    EXPECT_TRUE(state.ListQueue.Sending.Empty());
}

TEST_F(SupervisionTest, WaitingQueuesAreServedByTheCheck) {
    Add(QueueKind::SmallFile, "bob", "C:\\files\\a.txt", 10);
    Add(QueueKind::List, "carol", "C:\\files\\l.txt");
    Checks(1);
    EXPECT_EQ(SendCommands().size(), 2u);
}

class MinimumSpeedTest : public SupervisionTest {
protected:
    void SetUp() override {
        SupervisionTest::SetUp();
        config->UseMinCps = 1;
        config->MinSendCps = 1000;
    }
    // A running Regular send to bob that the host lists at that speed.
    HostSend& Running(const char* path) {
        Add(QueueKind::Regular, "bob", path);
        RunScheduler(state, channel);
        return Listed("bob", path);
    }
};

TEST_F(MinimumSpeedTest, ASendAveragingBelowTheMinimumIsClosedAtThe25thReading) {
    HostSend& send = Running("C:\\files\\slow.avi");
    send.Cps = "900";
    Checks(24);
    EXPECT_TRUE(Closes().empty());
    Checks(1);
    EXPECT_EQ(Closes(), (std::vector<std::string>{"/scid 1 /close -s1 bob"}));
    EXPECT_EQ(Notices().back(), kTooSlowNotice);
    EXPECT_TRUE(channel->Regular.Sending.Empty());
    Report("bob", "C:\\files\\slow.avi", false);
    EXPECT_EQ(SendCommands().size(), 1u) << "the host's later report finds nothing to resend";
}

TEST_F(MinimumSpeedTest, ASlowStartThatAveragesAboveGoesOn) {
    HostSend& send = Running("C:\\files\\slow.avi");
    send.Cps = "100";
    Checks(5);
    send.Cps = "1300";
    Checks(40);
    EXPECT_TRUE(Closes().empty());
    EXPECT_EQ(channel->Regular.Sending.Count, 1u);
}

TEST_F(MinimumSpeedTest, SendsToOneNickAreToldApartByPath) {
    Add(QueueKind::SmallFile, "bob", "C:\\files\\fast.txt", 10);
    RunScheduler(state, channel);
    Listed("bob", "C:\\files\\fast.txt").Cps = "5000";
    HostSend& slow = Running("C:\\files\\slow.avi");
    slow.Cps = "10";
    Checks(25);
    EXPECT_EQ(Closes(), (std::vector<std::string>{"/scid 1 /close -s2 bob"}));
    EXPECT_TRUE(channel->Regular.Sending.Empty());
    EXPECT_EQ(config->Small.Sending.Count, 1u);
}

TEST_F(MinimumSpeedTest, NoMinimumOrUnreadableReadingsNeverEndASend) {
    HostSend& send = Running("C:\\files\\slow.avi");
    send.Cps = "lots";
    Checks(30);
    EXPECT_EQ(channel->Regular.Sending.Head->CpsSamples, 0u);
    config->MinSendCps = 0;
    send.Cps = "1";
    Checks(30);
    EXPECT_TRUE(Closes().empty());
}

TEST_F(MinimumSpeedTest, OnlyRegularSendsAreJudged) {
    Add(QueueKind::OpVoice, "bob", "C:\\files\\slow.avi");
    RunScheduler(state, channel);
    Listed("bob", "C:\\files\\slow.avi").Cps = "1";
    Checks(30);
    EXPECT_TRUE(Closes().empty());
}

TEST_F(SupervisionTest, TheTotalSpeedCountsEveryReadableSendAndFillsTheSamplesInTurn) {
    HostHas("bob", "C:\\a\\1", "1000");
    HostHas("byhand", "C:\\a\\2", "2500");
    HostHas("carol", "C:\\a\\3", "oops");
    HostHas("dave", "C:\\a\\4", "");
    EXPECT_EQ(SampleTotalSpeed(state), 3500u);
    EXPECT_EQ(platform.Panel.GlobalSendSpeed, 3500u);
    sends.clear();
    SampleTotalSpeed(state);
    HostHas("bob", "C:\\a\\1", "7");
    SampleTotalSpeed(state);
    SampleTotalSpeed(state);
    EXPECT_EQ(state.SpeedSamples[0], 7u);
    EXPECT_EQ(state.SpeedSamples[1], 0u);
    EXPECT_EQ(state.SpeedSamples[2], 7u);
}

TEST_F(SupervisionTest, AHostThatRefusesOrAnswersGarbageGivesNoSpeed) {
    host.Resolver = nullptr;
    EXPECT_EQ(SampleTotalSpeed(state), 0u);
    host.Answer("$send(0)", "many");
    EXPECT_EQ(SampleTotalSpeed(state), 0u);
    host.Answer("$send(0)", "4000000000");
    host.Answer("$send(1).cps", "10");
    EXPECT_EQ(SampleTotalSpeed(state), 10u);
    EXPECT_LT(host.Evaluated.size(), 1100u) << "an absurd send count is bounded";
}

}  // namespace
}  // namespace qvs
