#include <gtest/gtest.h>

#include <sys/stat.h>

#include "hostlink/config_folder.h"
#include "hostlink/connections.h"
#include "hostlink/exported_values.h"
#include "hostlink/flood_windows.h"
#include "intake/periodic.h"
#include "module_fixture.h"

namespace qvs {
namespace {

class ModuleLifecycleTest : public ModuleTest {
protected:
    VirtualTime& time = platform.Time;
    FakeWindows& windows = platform.Windows;

    std::string InScratch(const std::string& name) const { return scratch.Path() + "/" + name; }
    static bool Exists(const std::string& path) {
        struct stat info {};
        return stat(path.c_str(), &info) == 0;
    }
    static long long SizeOf(const std::string& path) {
        struct stat info {};
        return stat(path.c_str(), &info) == 0 ? static_cast<long long>(info.st_size) : -1;
    }
};

TEST_F(ModuleLifecycleTest, ConfigFolderIsQvsBesideTheModuleFile) {
    EXPECT_EQ(ConfigFolderBeside("C:\\mIRC\\qvs.dll"), "C:\\mIRC\\QVS");
    EXPECT_EQ(ConfigFolderBeside("C:\\a.b\\c\\qvs.dll"), "C:\\a.b\\c\\QVS");
    EXPECT_EQ(ConfigFolderBeside("qvs.dll"), "QVS");
}

TEST_F(ModuleLifecycleTest, FirstLoadCreatesTheFolderWithTwoEmptyFiles) {
    PrepareConfigFolder(state, scratch.Path() + "\\qvs.dll");
    EXPECT_EQ(state.ConfigFolder, scratch.Path() + "\\QVS\\");
    EXPECT_EQ(SizeOf(InScratch("QVS/Channel.dat")), 0);
    EXPECT_EQ(SizeOf(InScratch("QVS/list.dat")), 0);
}

TEST_F(ModuleLifecycleTest, LaterLoadsLeaveAnExistingFolderAlone) {
    ASSERT_EQ(mkdir(InScratch("QVS").c_str(), 0755), 0);
    PrepareConfigFolder(state, scratch.Path() + "\\qvs.dll");
    EXPECT_EQ(state.ConfigFolder, scratch.Path() + "\\QVS\\");
    EXPECT_FALSE(Exists(InScratch("QVS/Channel.dat")));
    EXPECT_FALSE(Exists(InScratch("QVS/list.dat")));
}

TEST_F(ModuleLifecycleTest, PeriodicTimersRunAtTheirPeriodsUntilThePanelGoes) {
    PeriodicTimers timers;
    StartPeriodicTimers(state, timers);
    ASSERT_TRUE(time.IsRunning(timers.SpeedSample));
    ASSERT_TRUE(time.IsRunning(timers.Supervise));
    ASSERT_TRUE(time.IsRunning(timers.Housekeeping));
    EXPECT_EQ(time.PeriodOf(timers.SpeedSample), 2000u);
    EXPECT_EQ(time.PeriodOf(timers.Supervise), 5000u);
    EXPECT_EQ(time.PeriodOf(timers.Housekeeping), 60000u);
    time.Advance(120000);  // every tick fires with nothing to do yet

    state.RestorationTimer = time.StartTimer(1000, [](ModuleState&, void*, TimerId) {}, nullptr);
    StopPanelTimers(state, timers);
    EXPECT_EQ(time.RunningCount(), 0u);
    EXPECT_EQ(state.RestorationTimer, 0u);
    EXPECT_EQ(timers.SpeedSample, 0u);
    EXPECT_EQ(timers.Supervise, 0u);
    EXPECT_EQ(timers.Housekeeping, 0u);
}

TEST_F(ModuleLifecycleTest, StoppingTwiceKillsNothingElse) {
    PeriodicTimers timers;
    StartPeriodicTimers(state, timers);
    StopPanelTimers(state, timers);
    TimerId other = time.StartTimer(500, [](ModuleState&, void*, TimerId) {}, nullptr);
    StopPanelTimers(state, timers);
    EXPECT_TRUE(time.IsRunning(other));
}

TEST_F(ModuleLifecycleTest, FloodWindowsGoWithThePanelAndComeBackWithTheNext) {
    Connection* first = OpenConnection(state, 1);
    Connection* second = OpenConnection(state, 2);
    ASSERT_EQ(windows.Live.size(), 2u);

    windows.Live.clear();  // the panel's children die with it
    ForgetFloodWindows(state);
    EXPECT_EQ(first->FloodWindow, 0u);
    EXPECT_EQ(second->FloodWindow, 0u);

    ReopenFloodWindows(state);
    EXPECT_EQ(windows.Live.size(), 2u);
    EXPECT_EQ(windows.Live.count(first->FloodWindow), 1u);
    EXPECT_EQ(windows.Live.count(second->FloodWindow), 1u);

    ReopenFloodWindows(state);  // a connection that has its window keeps it
    EXPECT_EQ(windows.Live.size(), 2u);
}

TEST_F(ModuleLifecycleTest, GetValueHandsOutTheHeadsOfTheLiveLists) {
    EXPECT_EQ(LiveListHead(state, kLiveConnections), nullptr);
    EXPECT_EQ(LiveListHead(state, kLiveChannelConfigs), nullptr);
    OpenConnection(state, 1);
    Connection* newest = OpenConnection(state, 2);
    ChannelConfig* config = NewChannelConfig(state, "#chan");
    EXPECT_EQ(LiveListHead(state, kLiveConnections), newest);
    EXPECT_EQ(LiveListHead(state, kLiveChannelConfigs), config);
    EXPECT_EQ(LiveListHead(state, 0), nullptr);
    EXPECT_EQ(LiveListHead(state, 3), nullptr);
    EXPECT_EQ(LiveListHead(state, 0xFFFFFFFFu), nullptr);
}

TEST_F(ModuleLifecycleTest, ShowPanelHidesOnlyForALeadingZero) {
    EXPECT_FALSE(PanelShowRequested("0"));
    EXPECT_FALSE(PanelShowRequested("0 and more"));
    EXPECT_TRUE(PanelShowRequested(""));
    EXPECT_TRUE(PanelShowRequested(nullptr));
    EXPECT_TRUE(PanelShowRequested("1"));
    EXPECT_TRUE(PanelShowRequested(" 0"));
}

}  // namespace
}  // namespace qvs
