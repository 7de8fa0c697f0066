// Broken and hostile configuration files: everything that can be read is
// loaded, nothing crashes, and no count makes a load run or allocate without
// bound.
#include <gtest/gtest.h>

#include "config_fixture.h"
#include "config_sample.h"
#include "persistence/channel_file.h"
#include "persistence/list_file.h"

namespace qvs {
namespace {

constexpr uint32_t kHugeCount = 0xFFFFFFFF;

class ConfigBadInputTest : public ConfigTest {
protected:
    SpyStorage spy;

    static void PutChannel(const StorageRef& root, const char* number, const char* name) {
        WriteString(root.CreateStorage(number), "ChannelName", Text(name), StringForm::Terminated);
    }
};

TEST_F(ConfigBadInputTest, ElementsACountPromisesButTheFileLacksAreSkipped) {
    {
        StorageRef lists = Forge("list.dat");
        WriteDword(lists, "ListNo", 3);
        WriteString(lists.CreateStorage("3"), "ListName", Text("Third"), StringForm::Terminated);
        StorageRef root = Forge("channel.dat");
        WriteDword(root, "ChannelNo", 4);
        PutChannel(root, "2", "#two");
        StorageRef four = root.CreateStorage("4");
        WriteString(four, "ChannelName", Text("#four"), StringForm::Terminated);
        WriteDword(four, "TriggerCount", 3);
        StorageRef triggers = four.CreateStorage("SearchTrigger");
        WriteString(triggers, "2", Text("@two"), StringForm::Terminated);
        WriteDword(four, "ChanListNo", 2);
        StorageRef selections = four.CreateStorage("List");
        WriteString(selections, "2", Text("Third"), StringForm::Terminated);
    }
    LoadAllConfiguration(state);
    ASSERT_EQ(state.FileLists.Count, 1u);
    ASSERT_EQ(state.ChannelConfigs.Count, 2u);
    EXPECT_STREQ(state.ChannelConfigs.Head->ChannelName.c_str(), "#two");
    const ChannelConfig* four = state.ChannelConfigs.Tail;
    ASSERT_EQ(four->SearchTriggers.Count, 1u);
    EXPECT_STREQ(four->SearchTriggers.Head->Value.c_str(), "@two");
    ASSERT_EQ(four->FileListLinks.Count, 1u);
    EXPECT_EQ(four->FileListLinks.Head->List, state.FileLists.Head);
}

// Every count in every file claims four billion elements; a load stops soon
// after the elements that are really there.
TEST_F(ConfigBadInputTest, HugeCountsStopAtWhatTheFileHolds) {
    configsample::BuildFullConfiguration(state);
    SaveAllConfiguration(state);
    const char* rootCounts[][2] = {{"channel.dat", "ChannelNo"}, {"list.dat", "ListNo"},
                                   {"advertisement.dat", "AdsNo"}, {"randomfile.dat", "RandomCount"},
                                   {"Flood.dat", "NetworkNum"}};
    for (auto& count : rootCounts) WriteDword(Open(count[0]), count[1], kHugeCount);
    {
        StorageRef channel = Open("channel.dat").OpenStorage("1");
        for (const char* key : {"ChanGroupNo", "NetworkCount", "ChanListNo", "ChanAdsNo", "TriggerCount"})
            WriteDword(channel, key, kHugeCount);
        StorageRef list = Open("list.dat").OpenStorage("1");
        WriteDword(list, "ExtensionCount", kHugeCount);
        WriteDword(list, "FolderCount", kHugeCount);
        WriteDword(Open("advertisement.dat").OpenStorage("1"), "AdsCount", kHugeCount);
        StorageRef users = Open("user.dat");
        WriteDword(users.OpenStorage("FreeNicks"), "NumberOfNode", kHugeCount);
        StorageRef groups = users.OpenStorage("UserGroups");
        WriteDword(groups, "NumberOfNode", kHugeCount);
        WriteDword(groups.OpenStorage("0"), "NumberOfNode", kHugeCount);
    }
    configsample::Comparison comparison;
    configsample::CompareConfiguration(state, Reload(&spy), comparison);
    EXPECT_EQ(comparison.Failed(), 0u);
    EXPECT_LT(spy.Opens, 4000u);
}

TEST_F(ConfigBadInputTest, ValuesOfTheWrongWidthCountAsMissing) {
    {
        StorageRef root = Forge("channel.dat");
        PutBytes(root, "ChannelNo", std::string("\x01\x00\x00\x00", 4));
        PutBytes(root, "Threshold", std::string("\x10\x00", 2));
        PutBytes(root, "ListQueueLimit", std::string("\x07\x00\x00\x00\x00", 5));
        StorageRef channel = root.CreateStorage("1");
        PutBytes(channel, "Serve", std::string("\x01", 1));
        PutBytes(channel, "TopListValue", std::string(8, '\x05'));
        PutBytes(channel, "Verbose", "");
        PutBytes(channel, "SizeOfFilesSent", std::string("\x09\x00\x00\x00", 4));
        PutBytes(channel, "MaxSlot", std::string("\x03\x00\x00\x00", 4));
        PutBytes(channel, "TriggerCount", std::string("\x01\x00", 2));
        WriteString(channel.CreateStorage("SearchTrigger"), "1", Text("@find"), StringForm::Terminated);
        StorageRef lists = Forge("list.dat");
        WriteDword(lists, "ListNo", 1);
        StorageRef list = lists.CreateStorage("1");
        PutBytes(list, "CreationDateTime", std::string(15, '\x01'));
        PutBytes(list, "ScheduleInterval", std::string("\x1E\x00\x00", 3));
    }
    state.Ports.Storage = &spy;
    LoadAllConfiguration(state);
    EXPECT_EQ(state.Settings.Threshold, 2500u);
    EXPECT_EQ(state.Settings.ListQueueLimit, 2u);
    ASSERT_EQ(state.ChannelConfigs.Count, 1u);
    const ChannelConfig& channel = *state.ChannelConfigs.Head;
    EXPECT_EQ(channel.Serve, 0u);
    EXPECT_EQ(channel.TopListValue, 10u);
    EXPECT_EQ(channel.Verbose, 1u);
    EXPECT_EQ(channel.SizeOfFilesSent, 0u);
    EXPECT_EQ(channel.MaxSlot, 3u);
    EXPECT_TRUE(channel.SearchTriggers.Empty());
    ASSERT_EQ(state.FileLists.Count, 1u);
    EXPECT_EQ(state.FileLists.Head->CreationDateTime.Year, 0u);
    EXPECT_EQ(state.FileLists.Head->ScheduleInterval, 60u);
}

TEST_F(ConfigBadInputTest, TextsEndAtTheirStreamOrTheirFirstZeroAndAreBounded) {
    {
        StorageRef root = Forge("channel.dat");
        WriteDword(root, "ChannelNo", 2);
        PutBytes(root.CreateStorage("1"), "ChannelName", "#unterminated");
        PutBytes(root.CreateStorage("2"), "ChannelName", std::string("#cut\0tail", 9));
        StorageRef lists = Forge("list.dat");
        WriteDword(lists, "ListNo", 1);
        StorageRef list = lists.CreateStorage("1");
        PutBytes(list, "ListName", "Movies");
        PutBytes(list, "ListHeader", std::string(kMaxStoredText + 5000, 'h'));
        WriteDword(list, "ExtensionCount", 1);
        PutBytes(list.CreateStorage("ExtensionFilter"), "0", std::string("avi\0", 4));
    }
    state.Ports.Storage = &spy;
    LoadAllConfiguration(state);
    ASSERT_EQ(state.ChannelConfigs.Count, 2u);
    EXPECT_STREQ(state.ChannelConfigs.Head->ChannelName.c_str(), "#unterminated");
    EXPECT_STREQ(state.ChannelConfigs.Tail->ChannelName.c_str(), "#cut");
    const FileList& list = *state.FileLists.Head;
    EXPECT_STREQ(list.ListName.c_str(), "Movies");
    EXPECT_EQ(list.ListHeader.Length(), std::size_t{kMaxStoredText});
    ASSERT_EQ(list.ExtensionFilter.Count, 1u);
    EXPECT_STREQ(list.ExtensionFilter.Head->Value.c_str(), "avi");
}

TEST_F(ConfigBadInputTest, ElementsOfTheWrongKindAreSkipped) {
    {
        StorageRef root = Forge("channel.dat");
        WriteDword(root, "ChannelNo", 3);
        PutBytes(root, "1", "a stream where a channel belongs");
        StorageRef two = root.CreateStorage("2");
        WriteString(two, "ChannelName", Text("#two"), StringForm::Terminated);
        two.CreateStorage("Serve");  // a storage where a value belongs
        WriteDword(two, "TriggerCount", 2);
        StorageRef triggers = two.CreateStorage("SearchTrigger");
        triggers.CreateStorage("1");
        WriteString(triggers, "2", Text("@two"), StringForm::Terminated);
        root.CreateStorage("3").CreateStorage("ChannelName");
    }
    state.Ports.Storage = &spy;
    LoadChannelConfigs(state);
    ASSERT_EQ(state.ChannelConfigs.Count, 2u);
    const ChannelConfig& two = *state.ChannelConfigs.Head;
    EXPECT_STREQ(two.ChannelName.c_str(), "#two");
    EXPECT_EQ(two.Serve, 0u);
    ASSERT_EQ(two.SearchTriggers.Count, 1u);
    EXPECT_STREQ(two.SearchTriggers.Head->Value.c_str(), "@two");
    EXPECT_TRUE(state.ChannelConfigs.Tail->ChannelName.IsNone());
}

TEST_F(ConfigBadInputTest, FilesThatAreNotCompoundFilesLoadNothing) {
    const std::string garbage(4096, '\x5A');
    for (const char* file : {"channel.dat", "list.dat", "user.dat", "advertisement.dat", "randomfile.dat", "Flood.dat"})
        platform.Files.AppendToFile(ConfigPath(file), garbage.data(), garbage.size());
    LoadAllConfiguration(state);
    EXPECT_TRUE(state.ChannelConfigs.Empty());
    EXPECT_TRUE(state.FileLists.Empty());
    EXPECT_TRUE(state.UserGroups.Empty());
    EXPECT_EQ(state.Settings.Threshold, 2500u);
}

}  // namespace
}  // namespace qvs
