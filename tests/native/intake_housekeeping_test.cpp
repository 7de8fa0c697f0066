#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "intake/periodic.h"
#include "model/size_units.h"
#include "persistence/configuration.h"
#include "stats/memory_display.h"
#include "stats/statistics.h"
#include "sending_fixture.h"

namespace qvs {
namespace {

// The duties in the order they reach the panel and the queue file, each
// step marked when channel.dat already exists.
struct Journal : RecordingPanel, IniProfile {
    std::string ChannelFile;
    std::vector<std::string> Steps;

    void Note(const std::string& step) {
        if (Steps.empty() || Steps.back().rfind(step, 0) != 0)
            Steps.push_back(step + (std::ifstream(ChannelFile).good() ? "+config" : ""));
    }
    void QueueRowRemoved(QueueKind, QueueEntry*) override { Note("expire"); }
    void RefreshWaitColumns() override { Note("wait"); }
    void RefreshListViews() override { Note("list"); }
    void ShowAllocatedMemory(const char* text) override { Note(std::string("memory ") + text); }
    bool WriteString(const std::string& path, const std::string& section, const std::string& key,
                     const std::string& value) override {
        Note("queues");
        return IniProfile::WriteString(path, section, key, value);
    }
};

class HousekeepingTest : public SendingTest {};

TEST_F(HousekeepingTest, TheTickRunsItsDutiesInOrder) {
    Journal journal;
    journal.ChannelFile = ConfigPath("channel.dat");
    state.Ports.Panel = &journal;
    state.Ports.Profile = &journal;
    QueueEntry* expiring = Add(QueueKind::Regular, "gone", "C:\\files\\a");
    expiring->Held = 1;
    expiring->HeldMinutes = config->HoldTime;
    ++channel->Regular.HeldCount;
    Add(QueueKind::Regular, "ann", "C:\\files\\b");
    state.Settings.UseSaveQueueDuration = state.Settings.SaveQueueDuration = 1;
    state.Settings.UseSaveConfig = state.Settings.SaveConfigInterval = 1;
    FileList* list = NewRecord<FileList>();
    list->EnableSchedule = list->ScheduleInterval = 1;
    state.FileLists.PushBack(list);
    platform.Memory.Usage = {HeapWalkEnd::Finished, 3 * 1024 * 1024};

    OnHousekeepingTick(state, nullptr, 0);

    EXPECT_EQ(journal.Steps,
              (std::vector<std::string>{"expire", "wait", "queues", "list+config", "memory 3,072+config"}));
    state.Ports.Panel = &platform.Panel;
    state.Ports.Profile = &platform.Profile;
}

TEST_F(HousekeepingTest, ConfigurationIsSavedEveryIntervalMinutes) {
    struct Case {
        uint32_t Use, Interval, Ticks;
        bool Saved;
    } cases[] = {{1, 3, 2, false}, {1, 3, 3, true}, {0, 3, 3, false}, {1, 0, 5, false}, {2, 1, 1, false}};
    for (const Case& test : cases) {
        std::remove(ConfigPath("channel.dat").c_str());
        state.ConfigSaveMinutes = 0;
        state.Settings.UseSaveConfig = test.Use;
        state.Settings.SaveConfigInterval = test.Interval;
        for (uint32_t tick = 0; tick < test.Ticks; ++tick) SaveConfigurationOnSchedule(state);
        EXPECT_EQ(std::ifstream(ConfigPath("channel.dat")).good(), test.Saved) << test.Interval << test.Ticks;
    }
}

TEST_F(HousekeepingTest, MemoryDisplayStopsCheckingAHeapItCannotWalk) {
    struct Case {
        HeapUsage Usage;
        const char* Shown;
        uint32_t AutomaticAfter;
    } cases[] = {{{HeapWalkEnd::Finished, 5u * 1024 * 1024 + 1023}, "5,120", 1},
                 {{HeapWalkEnd::Unsupported, 4096}, "n/a", 0},
                 {{HeapWalkEnd::Failed, 4096}, "n/a", 0}};
    for (const Case& test : cases) {
        state.AutoMemoryCheck = 1;
        platform.Memory.Usage = test.Usage;
        OnHousekeepingTick(state, nullptr, 0);
        EXPECT_EQ(platform.Panel.AllocatedMemory, test.Shown);
        EXPECT_EQ(state.AutoMemoryCheck, test.AutomaticAfter);
    }
    OnHousekeepingTick(state, nullptr, 0);
    platform.Memory.Usage = {HeapWalkEnd::Finished, 2048};
    CompactMemory(state);
    EXPECT_EQ(platform.Memory.Compactions, std::vector<int>{3});
    EXPECT_EQ(platform.Panel.AllocatedMemory, "2");
}

TEST(SizeUnits, ChoiceAndConversionMeetAtEveryUnit) {
    struct Case {
        uint32_t Bytes, Number;
        SizeUnit Unit;
    } cases[] = {{0, 0, SizeUnit::Megabyte},          {1536, 1536, SizeUnit::Byte},
                 {20480, 20, SizeUnit::Kilobyte},     {1049600, 1025, SizeUnit::Kilobyte},
                 {1048576, 1, SizeUnit::Megabyte},    {3221225472u, 3, SizeUnit::Gigabyte},
                 {4294967295u, 4294967295u, SizeUnit::Byte}};
    for (const Case& test : cases) {
        SizeInUnit shown = ChooseSizeUnit(test.Bytes);
        EXPECT_EQ(shown.Number, test.Number) << test.Bytes;
        EXPECT_EQ(shown.Unit, test.Unit) << test.Bytes;
        EXPECT_EQ(SizeInBytes(shown.Number, shown.Unit), test.Bytes);
    }
    EXPECT_EQ(SizeInBytes(4, SizeUnit::Gigabyte), 4294967295u);
    EXPECT_EQ(SizeInBytes(7, static_cast<SizeUnit>(9)), 7u);
}

TEST_F(HousekeepingTest, ResetStatisticsAsksAndSurvivesADeletedChannel) {
    for (int i = 0; i < 100; ++i) RecordCompletedSend(config, 1000, 1000);
    RecordCompletedSend(config, 1000, 50000);
    host.Answer("$bytes(1485.149,k)", "1.45");
    EXPECT_EQ(FormatChannelStatistics(state, config).Fastest, "48.82 KB/s");
    EXPECT_EQ(FormatChannelStatistics(state, config).Average, "1.45 KB/s");
    platform.Panel.NextAnswer = kAnswerNo;
    EXPECT_EQ(ResetChannelStatistics(state, config), 0u);
    EXPECT_EQ(config->NoOfFilesSent, 101u);
    platform.Panel.NextAnswer = kAnswerYes;
    EXPECT_EQ(ResetChannelStatistics(state, config), 1u);
    EXPECT_EQ(config->SizeOfFilesSent + config->AvgSendSpeed + config->NoOfFilesSent + config->MaxSendSpeed, 0u);
    ChannelConfig* deleted = config;
    platform.Panel.WhileShown = [&] { RemoveChannelConfig(state, deleted); };
    EXPECT_EQ(ResetChannelStatistics(state, deleted), 0u);
    EXPECT_EQ(ResetChannelStatistics(state, deleted), 0u);
}

}  // namespace
}  // namespace qvs
