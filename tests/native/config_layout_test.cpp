// The trees the savers write, read back with the storage port itself: key
// names, encodings, numbering bases and the storages written even when empty.
#include <gtest/gtest.h>

#include "config_fixture.h"
#include "config_sample.h"
#include "model/memory.h"

namespace qvs {
namespace {

std::string LittleEndian(uint64_t value, int width) {
    std::string bytes;
    for (int i = 0; i < width; ++i) bytes += static_cast<char>(value >> (8 * i));
    return bytes;
}

class ConfigLayoutTest : public ConfigTest {
protected:
    void SetUp() override {
        configsample::BuildFullConfiguration(state);
        SaveAllConfiguration(state);
    }
};

TEST_F(ConfigLayoutTest, ChannelDatHoldsTheGlobalKeysAndOneStorageAChannelFromOne) {
    StorageRef root = Open("channel.dat");
    ASSERT_TRUE(root);
    const char* keys[] = {"Threshold", "EnableTopList", "ListQueueEnable", "ListQueueLimit", "UseSaveQueueDuration",
                          "SaveQueueDuration", "UseSaveConfig", "SaveConfigInterval", "UseQueueRestorationDelay",
                          "QueueRestorationDelay", "UseFirewallWorkaround", "UseWizard",
                          "FirewallWorkaroundPortName", "UseCNotice"};
    for (const char* key : keys) EXPECT_EQ(Bytes(root, key).size(), 4u) << key;
    EXPECT_EQ(Dword(root, "Threshold"), state.Settings.Threshold);
    EXPECT_EQ(Dword(root, "UseCNotice"), state.Settings.UseCNotice);
    EXPECT_EQ(Dword(root, "ChannelNo"), 2u);
    EXPECT_FALSE(HasStorage(root, "0"));
    EXPECT_TRUE(HasStorage(root, "1"));
    EXPECT_TRUE(HasStorage(root, "2"));
    EXPECT_FALSE(HasStorage(root, "3"));
}

TEST_F(ConfigLayoutTest, ChannelKeysCarryTheirNamesAndWidths) {
    StorageRef channel = Open("channel.dat").OpenStorage("1");
    ASSERT_TRUE(channel);
    EXPECT_EQ(Bytes(channel, "ChannelName"), std::string("#SciFi", 7));
    const char* dwords[] = {
        "Serve", "NiceToOp", "NiceToVoice", "EnableRegularQueue", "SearchDisplayMethod", "NotifyIfNoResult",
        "FileSearchEnabled", "MinSlot", "MaxSlot", "MaxFindResult", "BatchSize", "NoOfFilesSent", "MaxSendSpeed",
        "EnableSQueue", "SQueueSize", "SQueueSlots", "OpSlots", "LimitQueueSize", "QueueSize", "VirtualList",
        "HoldQueue", "HoldTime", "SaveQueueOnExit", "RestoreSavedQueue", "RestoreAgeLimit", "UseMinCps",
        "MinSendCps", "UseSpeedLimit", "SendSpeedLimit", "TopListValue", "Verbose", "TopListCount", "EnableQueue",
        "EnableTopList", "EnableHelp", "EnableStat", "EnableList", "UseRegularQueueResend",
        "RegularQueueResendFileSize", "RegularQueueResendMethod", "RegularQueueResendLimit",
        "UseOpVoiceQueueResend", "OpVoiceQueueResendFileSize", "OpVoiceQueueResendMethod",
        "OpVoiceQueueResendLimit", "UseSQueueResend", "SQueueResendFileSize", "SQueueResendMethod",
        "SQueueResendLimit", "AGFileTriggerMode", "UseSearchLengthLimit", "SearchLimit", "ChanGroupNo",
        "NetworkCount", "ChanListNo", "ChanAdsNo", "TriggerCount"};
    for (const char* key : dwords) EXPECT_EQ(Bytes(channel, key).size(), 4u) << key;
    const ChannelConfig* config = state.ChannelConfigs.Head;
    EXPECT_EQ(Bytes(channel, "SizeOfFilesSent"), LittleEndian(config->SizeOfFilesSent, 8));
    EXPECT_EQ(Bytes(channel, "AvgSendSpeed"), LittleEndian(config->AvgSendSpeed, 8));
    EXPECT_EQ(Bytes(channel, "Serve"), LittleEndian(config->Serve, 4));
    EXPECT_EQ(Dword(channel, "UseSQueueResend"), config->SQueueResend.Use);
    EXPECT_EQ(Dword(channel, "RegularQueueResendLimit"), config->RegularQueueResend.Limit);
}

TEST_F(ConfigLayoutTest, ChannelSelectionsAreNumberedFromZeroOnlyForUserGroups) {
    StorageRef channel = Open("channel.dat").OpenStorage("1");
    StorageRef groups = channel.OpenStorage("ChanGroupStg");
    ASSERT_TRUE(groups);
    EXPECT_EQ(Dword(channel, "ChanGroupNo"), 2u);
    EXPECT_EQ(Bytes(groups.OpenStorage("0"), "GroupName"), "Friends");  // bare: no terminator
    EXPECT_EQ(Bytes(groups.OpenStorage("1"), "GroupName"), "A group name of exactly 31 char");
    EXPECT_FALSE(HasStorage(groups, "2"));
    for (const char* key : {"QueueSize", "BatchSize", "Ignored", "Priority", "TreatAs"})
        EXPECT_EQ(Bytes(groups.OpenStorage("0"), key).size(), 4u) << key;

    StorageRef networks = channel.OpenStorage("Network");
    EXPECT_FALSE(HasStream(networks, "0"));
    EXPECT_EQ(Bytes(networks, "1"), std::string("EFnet", 6));
    EXPECT_EQ(Bytes(networks, "2"), std::string("Undernet", 9));
    EXPECT_EQ(Dword(channel, "NetworkCount"), 2u);

    StorageRef lists = channel.OpenStorage("List");
    EXPECT_EQ(Bytes(lists, "1"), std::string("KM-SciFi", 9));
    EXPECT_EQ(Dword(lists, "1_Option"), uint32_t{kChannelWindowOnly});
    EXPECT_EQ(Bytes(lists, "2"), std::string("Bare", 5));
    EXPECT_EQ(Dword(lists, "2_Option"), uint32_t{kQueryWindowOnly});
    EXPECT_EQ(Dword(channel, "ChanListNo"), 2u);

    StorageRef ads = channel.OpenStorage("ChanAds");
    EXPECT_FALSE(HasStorage(ads, "0"));
    EXPECT_EQ(Bytes(ads.OpenStorage("1"), "AdsGroupName"), std::string("Main ads", 9));
    EXPECT_EQ(Bytes(ads.OpenStorage("1"), "Trigger"), std::string("!ads", 5));
    EXPECT_EQ(Bytes(ads.OpenStorage("2"), "Trigger"), "");  // absent trigger: 0 bytes
    for (const char* key : {"DisplayWhen", "DisplayMethod", "RunAfter", "Enable"})
        EXPECT_EQ(Bytes(ads.OpenStorage("2"), key).size(), 4u) << key;
    EXPECT_EQ(Dword(channel, "ChanAdsNo"), 2u);

    StorageRef triggers = channel.OpenStorage("SearchTrigger");
    EXPECT_EQ(Bytes(triggers, "1"), std::string("@find", 6));
    EXPECT_EQ(Bytes(triggers, "2"), std::string("@search", 8));
    EXPECT_EQ(Dword(channel, "TriggerCount"), 2u);
}

TEST_F(ConfigLayoutTest, AChannelWithoutSelectionsKeepsItsCountsAndTheAlwaysWrittenStorages) {
    StorageRef channel = Open("channel.dat").OpenStorage("2");
    EXPECT_FALSE(HasStorage(channel, "ChanGroupStg"));
    EXPECT_FALSE(HasStorage(channel, "Network"));
    for (const char* key : {"ChanGroupNo", "NetworkCount", "ChanListNo", "ChanAdsNo", "TriggerCount"})
        EXPECT_EQ(Dword(channel, key), 0u) << key;
    for (const char* name : {"List", "ChanAds", "SearchTrigger"}) {
        EXPECT_TRUE(HasStorage(channel, name)) << name;
        EXPECT_TRUE(files.ListChildren(channel.OpenStorage(name).Object()).empty()) << name;
    }
}

TEST_F(ConfigLayoutTest, ListDatNumbersExtensionsFromZeroAndFoldersFromOne) {
    StorageRef root = Open("list.dat");
    EXPECT_EQ(Dword(root, "ListNo"), 2u);
    StorageRef list = root.OpenStorage("1");
    EXPECT_EQ(Bytes(list, "ListName"), std::string("KM-SciFi", 9));
    EXPECT_EQ(Bytes(list, "ListHeader"), std::string("", 1));  // empty but present: the terminator alone
    const FileList* full = state.FileLists.Head;
    EXPECT_EQ(Bytes(list, "SizeOfFiles"), LittleEndian(full->SizeOfFiles, 8));
    EXPECT_EQ(Bytes(list, "CreationDateTime"),
              std::string("\xE8\x07\x06\x00\x03\x00\x0C\x00\x17\x00\x3B\x00\x3A\x00\xE7\x03", 16));
    for (const char* key : {"EnableSchedule", "ScheduleInterval", "NumberOfFiles", "IncludeFileSize",
                            "IncludeFolderName", "Zipped", "AutoGen", "NotifyAfterUpdated", "UseFilter"})
        EXPECT_EQ(Bytes(list, key).size(), 4u) << key;
    StorageRef extensions = list.OpenStorage("ExtensionFilter");
    EXPECT_EQ(Bytes(extensions, "0"), "avi");  // bare
    EXPECT_EQ(Bytes(extensions, "2"), "txt");
    EXPECT_FALSE(HasStream(extensions, "3"));
    EXPECT_EQ(Dword(list, "ExtensionCount"), 3u);
    StorageRef folders = list.OpenStorage("CreationFolder");
    EXPECT_FALSE(HasStream(folders, "0"));
    EXPECT_EQ(Bytes(folders, "1"), std::string("C:\\shared\\", 11));
    EXPECT_EQ(Bytes(folders, "2"), std::string("D:\\more shared\\", 16));
    EXPECT_EQ(Dword(list, "FolderCount"), 2u);

    StorageRef bare = root.OpenStorage("2");
    for (const char* key : {"TrueListName", "ListHeader", "ListTrigger", "FileTrigger", "Description"})
        EXPECT_EQ(Bytes(bare, key), "") << key;
    EXPECT_TRUE(files.ListChildren(bare.OpenStorage("ExtensionFilter").Object()).empty());
    EXPECT_TRUE(files.ListChildren(bare.OpenStorage("CreationFolder").Object()).empty());
    EXPECT_EQ(Dword(bare, "ExtensionCount"), 0u);
    EXPECT_EQ(Dword(bare, "FolderCount"), 0u);
}

TEST_F(ConfigLayoutTest, AdvertisementRandomAndFloodFilesNumberFromOne) {
    StorageRef ads = Open("advertisement.dat");
    EXPECT_EQ(Dword(ads, "AdsNo"), 2u);
    StorageRef group = ads.OpenStorage("1");
    EXPECT_EQ(Bytes(group, "AdsGroupName"), std::string("Main ads", 9));
    EXPECT_EQ(Dword(group, "AdsCount"), 3u);
    StorageRef ad = group.OpenStorage("ADS").OpenStorage("3");
    EXPECT_EQ(Bytes(ad, "AdsName"), std::string("Third", 6));
    EXPECT_EQ(Bytes(ad, "AdsText"), "");
    for (const char* key : {"StartAfter", "RunOption", "Interval"}) EXPECT_EQ(Bytes(ad, key).size(), 4u) << key;

    StorageRef random = Open("randomfile.dat");
    EXPECT_EQ(Dword(random, "RandomCount"), 3u);
    EXPECT_EQ(Bytes(random.OpenStorage("3"), "Full pathname"), std::string("D:\\tips with space.txt", 23));
    EXPECT_EQ(Bytes(random.OpenStorage("1"), "Name"), std::string("Quotes", 7));

    StorageRef flood = Open("Flood.dat");
    EXPECT_EQ(Dword(flood, "NetworkNum"), 3u);
    StorageRef network = flood.OpenStorage("1");
    EXPECT_EQ(Bytes(network, "NetworkName"), std::string("EFnet", 6));
    EXPECT_EQ(Dword(network, "ExcessFloodInterval"), state.Networks.Head->ExcessFloodInterval);
    EXPECT_EQ(Dword(network, "TargetChangeInterval"), state.Networks.Head->TargetChangeInterval);
}

TEST_F(ConfigLayoutTest, UserDatNumbersEverythingFromZeroWithBareNames) {
    StorageRef root = Open("user.dat");
    EXPECT_EQ(Dword(root, "QueueSizeOverride"), state.NewGroupDefaults.QueueSizeOverride);
    EXPECT_EQ(Dword(root, "TreatAs"), state.NewGroupDefaults.TreatAs);
    StorageRef freeNicks = root.OpenStorage("FreeNicks");
    EXPECT_EQ(Dword(freeNicks, "NumberOfNode"), 3u);
    EXPECT_EQ(Bytes(freeNicks.OpenStorage("0"), "Nick"), "Alice");
    EXPECT_EQ(Bytes(freeNicks.OpenStorage("2"), "Nick"), "Carol_with_a_nick_of_32_letters!");
    StorageRef groups = root.OpenStorage("UserGroups");
    EXPECT_EQ(Dword(groups, "NumberOfNode"), 2u);
    StorageRef friends = groups.OpenStorage("0");
    EXPECT_EQ(Bytes(friends, "GroupName"), "Friends");
    EXPECT_EQ(Dword(friends, "NumberOfNode"), 2u);
    EXPECT_EQ(Bytes(friends.OpenStorage("1"), "Nick"), "Dave");
    EXPECT_EQ(Dword(groups.OpenStorage("1"), "NumberOfNode"), 0u);
}

TEST_F(ConfigLayoutTest, AGroupWithoutAdvertisementsStillHasItsAdsStorage) {
    AdGroup* group = NewRecord<AdGroup>();
    group->AdsGroupName.Set("Empty");
    state.AdGroups.PushBack(group);
    SaveAllConfiguration(state);
    StorageRef written = Open("advertisement.dat").OpenStorage("3");
    EXPECT_TRUE(HasStorage(written, "ADS"));
    EXPECT_EQ(Dword(written, "AdsCount"), 0u);
}

}  // namespace
}  // namespace qvs
