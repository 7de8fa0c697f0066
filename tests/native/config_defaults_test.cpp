// What loading gives where a file or a key is missing, and what becomes of
// selections whose record is gone.
#include <gtest/gtest.h>

#include "config_fixture.h"
#include "config_sample.h"
#include "persistence/channel_file.h"
#include "persistence/random_file.h"

namespace qvs {
namespace {

class ConfigDefaultsTest : public ConfigTest {};

TEST_F(ConfigDefaultsTest, AFreshFolderWithEmptyFilesLoadsNothingAndKeepsEveryRootDefault) {
    ASSERT_TRUE(platform.Files.CreateEmptyFile(ConfigPath("Channel.dat")));
    ASSERT_TRUE(platform.Files.CreateEmptyFile(ConfigPath("channel.dat")));
    ASSERT_TRUE(platform.Files.CreateEmptyFile(ConfigPath("list.dat")));
    LoadAllConfiguration(state);
    const GlobalSettings& settings = state.Settings;
    EXPECT_EQ(settings.Threshold, 2500u);
    EXPECT_EQ(settings.EnableTopList, 1u);
    EXPECT_EQ(settings.ListQueueEnable, 1u);
    EXPECT_EQ(settings.ListQueueLimit, 2u);
    EXPECT_EQ(settings.SaveQueueDuration, 5u);
    EXPECT_EQ(settings.QueueRestorationDelay, 30u);
    EXPECT_EQ(settings.FirewallWorkaroundPortName, 59u);
    EXPECT_EQ(settings.UseWizard, 1u);
    EXPECT_EQ(settings.UseCNotice, 1u);
    EXPECT_EQ(settings.UseSaveConfig, 0u);
    EXPECT_TRUE(state.ChannelConfigs.Empty());
    EXPECT_TRUE(state.FileLists.Empty());
    EXPECT_TRUE(state.UserGroups.Empty());
    EXPECT_EQ(state.NewGroupDefaults.TreatAs, 0u);
}

TEST_F(ConfigDefaultsTest, MissingRootKeysKeepTheCurrentSettings) {
    {
        StorageRef root = Forge("channel.dat");
        WriteDword(root, "Threshold", 9000);
        StorageRef users = Forge("user.dat");
        WriteDword(users, "Priority", 1);
    }
    state.Settings.UseWizard = 0;
    state.NewGroupDefaults.QueueSizeOverride = 7;
    LoadAllConfiguration(state);
    EXPECT_EQ(state.Settings.Threshold, 9000u);
    EXPECT_EQ(state.Settings.UseWizard, 0u);
    EXPECT_EQ(state.Settings.ListQueueLimit, 2u);
    EXPECT_EQ(state.NewGroupDefaults.Priority, 1u);
    EXPECT_EQ(state.NewGroupDefaults.QueueSizeOverride, 7u);
}

// A stored channel missing a key gets the load default, which for most keys
// is 0 and differs from what a channel added in the panel starts with.
TEST_F(ConfigDefaultsTest, AChannelWithOnlyItsNameGetsTheLoadDefaults) {
    {
        StorageRef root = Forge("channel.dat");
        WriteDword(root, "ChannelNo", 1);
        StorageRef channel = root.CreateStorage("1");
        WriteString(channel, "ChannelName", Text("#bare"), StringForm::Terminated);
    }
    LoadChannelConfigs(state);
    ASSERT_EQ(state.ChannelConfigs.Count, 1u);
    const ChannelConfig& c = *state.ChannelConfigs.Head;
    EXPECT_STREQ(c.ChannelName.c_str(), "#bare");
    EXPECT_EQ(c.TopListValue, 10u);
    EXPECT_EQ(c.TopListCount, 10u);
    EXPECT_EQ(c.Verbose, 1u);
    for (uint32_t flag : {c.EnableRegularQueue, c.EnableQueue, c.EnableTopList, c.EnableHelp, c.EnableStat,
                          c.EnableList, c.AGFileTriggerMode})
        EXPECT_EQ(flag, 1u);
    for (uint32_t value : {c.Serve, c.NiceToOp, c.NiceToVoice, c.FileSearchEnabled, c.SearchDisplayMethod,
                           c.EnableSQueue, c.SQueueSize, c.SQueueSlots, c.OpSlots, c.QueueSize, c.HoldQueue,
                           c.HoldTime, c.SaveQueueOnExit, c.RestoreSavedQueue, c.RestoreAgeLimit, c.MinSlot,
                           c.MaxSlot, c.MaxFindResult, c.BatchSize, c.RegularQueueResend.Use,
                           c.OpVoiceQueueResend.Use, c.SQueueResend.Use})
        EXPECT_EQ(value, 0u);
    EXPECT_EQ(c.SizeOfFilesSent, 0u);
    EXPECT_TRUE(c.SearchTriggers.Empty());
    EXPECT_TRUE(c.FileListLinks.Empty());
}

TEST_F(ConfigDefaultsTest, ListKeysMissingGiveScheduleInterval60AndBothWindows) {
    {
        StorageRef lists = Forge("list.dat");
        WriteDword(lists, "ListNo", 1);
        WriteString(lists.CreateStorage("1"), "ListName", Text("Movies"), StringForm::Terminated);
        StorageRef root = Forge("channel.dat");
        WriteDword(root, "ChannelNo", 1);
        StorageRef channel = root.CreateStorage("1");
        WriteDword(channel, "ChanListNo", 1);
        WriteString(channel.CreateStorage("List"), "1", Text("movies"), StringForm::Terminated);
    }
    LoadAllConfiguration(state);
    ASSERT_EQ(state.FileLists.Count, 1u);
    const FileList& list = *state.FileLists.Head;
    EXPECT_EQ(list.ScheduleInterval, 60u);
    EXPECT_TRUE(list.TrueListName.IsNone());
    EXPECT_EQ(list.CreationDateTime.Year, 0u);
    const ListSelection* selection = state.ChannelConfigs.Head->FileListLinks.Head;
    ASSERT_NE(selection, nullptr);
    EXPECT_EQ(selection->List, &list);  // names match without regard to case
    EXPECT_EQ(selection->AccessMode, uint32_t{kBothWindows});
    EXPECT_EQ(list.Channels.Head, selection->Link);
}

TEST_F(ConfigDefaultsTest, SelectionsOfVanishedRecordsAreDroppedAndNotSavedAgain) {
    configsample::BuildFullConfiguration(state);
    SaveAllConfiguration(state);
    // The next session lost user.dat, advertisement.dat and the second list.
    for (const char* file : {"user.dat", "advertisement.dat"}) platform.Files.DeleteFile(ConfigPath(file));
    {
        StorageRef lists = Open("list.dat");
        WriteDword(lists, "ListNo", 1);
    }
    ModuleState& loaded = Reload();
    const ChannelConfig* channel = loaded.ChannelConfigs.Head;
    EXPECT_EQ(channel->UserGroupLinks.Count, 0u);
    EXPECT_EQ(channel->AdGroupLinks.Count, 0u);
    ASSERT_EQ(channel->FileListLinks.Count, 1u);
    EXPECT_STREQ(channel->FileListLinks.Head->List->ListName.c_str(), "KM-SciFi");
    EXPECT_EQ(channel->Networks.Count, 2u);
    EXPECT_EQ(channel->SearchTriggers.Count, 2u);

    EXPECT_TRUE(SaveChannelConfigs(loaded));
    StorageRef saved = Open("channel.dat").OpenStorage("1");
    EXPECT_EQ(Dword(saved, "ChanListNo"), 1u);
    EXPECT_EQ(Dword(saved, "ChanGroupNo"), 0u);
    EXPECT_EQ(Dword(saved, "ChanAdsNo"), 0u);
    EXPECT_FALSE(HasStorage(saved, "ChanGroupStg"));
}

TEST_F(ConfigDefaultsTest, LoadingRandomFilesReplacesTheListInMemory) {
    configsample::BuildFullConfiguration(state);
    ASSERT_TRUE(SaveRandomFiles(state));
    LoadRandomFiles(state);
    ASSERT_EQ(state.RandomFiles.Count, 3u);
    EXPECT_STREQ(state.RandomFiles.Head->Name.c_str(), "Quotes");
}

}  // namespace
}  // namespace qvs
