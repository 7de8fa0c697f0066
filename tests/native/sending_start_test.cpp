#include <gtest/gtest.h>

#include "hostlink/connections.h"
#include "model/memory.h"
#include "sending/scheduler.h"
#include "sending/start_send.h"
#include "sending_fixture.h"

namespace qvs {
namespace {

const std::string kOnTheWay3MinAvi =
    "/scid 1 /notice bob : \x03" "2,15After waiting\x03\x03" "12,15 3 \x03\x03" "2,15min(s),\x03\x03"
    "12,15 a.avi \x03\x03" "2,15is on the way.\x03";
const std::string kMayGetCancelled1000 =
    "\x03" "2,15 If transfer rate drops below\x03\x03" "12,15 1000 \x03\x03" "2,15cps it may get cancelled.\x03";

class StartSendTest : public SendingTest {
protected:
    std::string StartOne(QueueKind kind) {
        host.Executed.clear();
        QueueEntry* entry = Add(kind, "bob", "C:\\files\\a.avi");
        StartSend(state, entry, false);
        QueueOf(state, kind, channel).Waiting.Unlink(entry);
        ReleaseEntry(entry);
        std::vector<std::string> commands = SendCommands();
        return commands.empty() ? "" : commands.back();
    }
};

TEST_F(StartSendTest, TheFourSendCommandForms) {
    EXPECT_EQ(StartOne(QueueKind::Regular), "/SendFile 1 bob C:\\files\\a.avi");
    config->UseSpeedLimit = 1;
    config->SendSpeedLimit = 20;
    EXPECT_EQ(StartOne(QueueKind::Regular), "/SendFileLimit 1 20 bob C:\\files\\a.avi");
    state.Settings.UseFirewallWorkaround = 1;
    state.Settings.FirewallWorkaroundPortName = 59;
    EXPECT_EQ(StartOne(QueueKind::Regular), "/SendFileAlternateLimit 1 20 bob 59 C:\\files\\a.avi");
    config->UseSpeedLimit = 0;
    EXPECT_EQ(StartOne(QueueKind::Regular), "/SendFileAlternate 1 bob 59 C:\\files\\a.avi");
}

TEST_F(StartSendTest, TheSpeedLimitAppliesOnlyToRegularEntriesAndOnlyAboveZero) {
    config->UseSpeedLimit = 1;
    config->SendSpeedLimit = 20;
    EXPECT_EQ(StartOne(QueueKind::SmallFile), "/SendFile 1 bob C:\\files\\a.avi");
    EXPECT_EQ(StartOne(QueueKind::OpVoice), "/SendFile 1 bob C:\\files\\a.avi");
    config->SendSpeedLimit = 0;
    EXPECT_EQ(StartOne(QueueKind::Regular), "/SendFile 1 bob C:\\files\\a.avi");
    config->SendSpeedLimit = 20;
    config->UseSpeedLimit = 2;  // a setting is on only when it is 1
    EXPECT_EQ(StartOne(QueueKind::Regular), "/SendFile 1 bob C:\\files\\a.avi");
}

TEST_F(StartSendTest, VerboseTellsTheWaitAndTheMinimumSpeedOfRegularSends) {
    QueueEntry* entry = Add(QueueKind::Regular, "bob", "C:\\files\\a.avi");
    platform.Time.Advance(3 * 60000 + 20000);
    config->UseMinCps = 1;
    config->MinSendCps = 1000;
    RunScheduler(state, channel);
    ASSERT_EQ(Notices().size(), 1u);
    EXPECT_EQ(Notices()[0], kOnTheWay3MinAvi + kMayGetCancelled1000);
    EXPECT_EQ(host.Executed.back(), "/SendFile 1 bob C:\\files\\a.avi") << "the notice goes before the send";
    EXPECT_EQ(channel->Regular.Sending.Head, entry);
}

TEST_F(StartSendTest, NoSpeedWarningForOtherQueuesOrWithoutAMinimum) {
    config->UseMinCps = 1;
    config->MinSendCps = 1000;
    Add(QueueKind::OpVoice, "bob", "C:\\files\\a.avi");
    platform.Time.Advance(3 * 60000);
    RunScheduler(state, channel);
    ASSERT_EQ(Notices().size(), 1u);
    EXPECT_EQ(Notices()[0], kOnTheWay3MinAvi);
}

TEST_F(StartSendTest, WithoutVerboseOnlyTheCommandIsIssued) {
    config->Verbose = 0;
    Add(QueueKind::Regular, "bob", "C:\\files\\a.avi");
    RunScheduler(state, channel);
    EXPECT_TRUE(Notices().empty());
    EXPECT_EQ(SendCommands().size(), 1u);
}

TEST_F(StartSendTest, SendCommandsArePacedBehindNoticesWhenTheNetworkAsksForIt) {
    NetworkSettings* network = NewRecord<NetworkSettings>();
    network->UseExcessFlood = 1;
    network->ExcessFloodInterval = 2;
    state.Networks.PushBack(network);
    channel->Connection->Network = network;
    Add(QueueKind::Regular, "bob", "C:\\files\\a.avi");
    RunScheduler(state, channel);
    EXPECT_EQ(Notices().size(), 1u);
    EXPECT_TRUE(SendCommands().empty()) << "waits its turn in flood control";
    platform.Time.Advance(2000);
    EXPECT_EQ(SendCommands(), (std::vector<std::string>{"/SendFile 1 bob C:\\files\\a.avi"}));
}

TEST_F(StartSendTest, NicksThatCouldRewriteTheCommandGetNoSend) {
    QueueEntry* entry = Add(QueueKind::SmallFile, "bob$me", "C:\\files\\a.avi", 10);
    RunScheduler(state, channel);
    EXPECT_TRUE(SendCommands().empty());
    EXPECT_TRUE(host.Evaluated.end() ==
                std::find(host.Evaluated.begin(), host.Evaluated.end(), "$GetComChan(1, bob$me)"));
    EXPECT_EQ(entry->Held, 1u) << "treated as gone";
}

}  // namespace
}  // namespace qvs
