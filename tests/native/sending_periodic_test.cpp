#include <gtest/gtest.h>

#include "intake/periodic.h"
#include "sending/scheduler.h"
#include "sending_fixture.h"

namespace qvs {
namespace {

class PeriodicSendingTest : public SendingTest {
protected:
    PeriodicTimers timers;
    void TearDown() override {
        StopPanelTimers(state, timers);
        SendingTest::TearDown();
    }
};

TEST_F(PeriodicSendingTest, TheTimersSampleSuperviseAndExpire) {
    platform.Panel.Selected = config;
    PendingMessage* waiting = NewRecord<PendingMessage>();
    channel->Connection->Pending.PushBack(waiting);
    QueueEntry* sending = Add(QueueKind::SmallFile, "bob", "C:\\files\\a.txt", 10);
    QueueEntry* held = Add(QueueKind::OpVoice, "gone", "C:\\files\\b.avi");
    gone.insert("gone");
    RunScheduler(state, channel);
    HostHas("byhand", "C:\\x\\y.bin", "1234");
    StartPeriodicTimers(state, timers);

    platform.Time.Advance(2000);
    EXPECT_EQ(platform.Panel.GlobalSendSpeed, 1234u);
    EXPECT_EQ(state.SpeedSamples[0], 1234u);
    EXPECT_EQ(platform.Panel.PendingCommands, 1u);

    platform.Time.Advance(3000);
    EXPECT_EQ(sending->MissingTicks, 1u);

    platform.Time.Advance(55000);
    EXPECT_EQ(held->HeldMinutes, 1u);
}

}  // namespace
}  // namespace qvs
