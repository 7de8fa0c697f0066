// Everything the configuration files store comes back from the next session
// exactly: every field, absent versus empty texts, order, and the links
// between selections and the records they select.
#include <gtest/gtest.h>

#include "config_fixture.h"
#include "config_sample.h"
#include "model/channel_config.h"
#include "model/memory.h"
#include "persistence/channel_file.h"
#include "persistence/list_file.h"

namespace qvs {
namespace {

using configsample::BuildFullConfiguration;
using configsample::Comparison;
using configsample::CompareConfiguration;

std::string Join(const std::vector<std::string>& lines) {
    std::string joined;
    for (const std::string& line : lines) joined += line + "\n";
    return joined;
}

class ConfigRoundTripTest : public ConfigTest {};

TEST_F(ConfigRoundTripTest, EveryFieldOfEveryFileComesBack) {
    BuildFullConfiguration(state);
    SaveAllConfiguration(state);
    Comparison comparison;
    CompareConfiguration(state, Reload(), comparison);
    EXPECT_EQ(comparison.Failed(), 0u) << Join(comparison.Failures);
    EXPECT_GT(comparison.Passed, 250u);
    EXPECT_TRUE(platform.Panel.Messages.empty());
}

TEST_F(ConfigRoundTripTest, ALoadedConfigurationSavesAsItWasLoaded) {
    BuildFullConfiguration(state);
    SaveAllConfiguration(state);
    SaveAllConfiguration(Reload());
    Comparison comparison;
    CompareConfiguration(state, Reload(), comparison);
    EXPECT_EQ(comparison.Failed(), 0u) << Join(comparison.Failures);
}

TEST_F(ConfigRoundTripTest, AbsentAndEmptyTextsStayApart) {
    BuildFullConfiguration(state);
    SaveAllConfiguration(state);
    ModuleState& loaded = Reload();
    const FileList* full = loaded.FileLists.Head;
    const FileList* bare = full->Next;
    EXPECT_FALSE(full->ListHeader.IsNone());
    EXPECT_STREQ(full->ListHeader.c_str(), "");
    for (const Text* text : {&bare->TrueListName, &bare->ListHeader, &bare->ListTrigger, &bare->FileTrigger,
                             &bare->Description})
        EXPECT_TRUE(text->IsNone());
    const Advertisement* ad = loaded.AdGroups.Head->Ads.Head;
    EXPECT_STREQ(ad->AdsText.c_str(), "\x03" "5Type $Main.Trigger$ now");
    EXPECT_FALSE(ad->Next->AdsText.IsNone());
    EXPECT_TRUE(ad->Next->Next->AdsText.IsNone());
    const AdGroupSelection* selection = loaded.ChannelConfigs.Head->AdGroupLinks.Head;
    EXPECT_STREQ(selection->Trigger.c_str(), "!ads");
    EXPECT_TRUE(selection->Next->Trigger.IsNone());
}

TEST_F(ConfigRoundTripTest, RecordsKeepTheirOrderIncludingThoseReadFromTheBackOfTheirFile) {
    BuildFullConfiguration(state);
    SaveAllConfiguration(state);
    ModuleState& loaded = Reload();
    const NetworkSettings* network = loaded.Networks.Head;
    EXPECT_STREQ(network->NetworkName.c_str(), "EFnet");
    EXPECT_STREQ(network->Next->NetworkName.c_str(), "Undernet");
    EXPECT_STREQ(network->Next->Next->NetworkName.c_str(), "DALnet");
    EXPECT_EQ(loaded.Networks.Tail, network->Next->Next);
    const RandomTextFile* random = loaded.RandomFiles.Head;
    EXPECT_STREQ(random->Name.c_str(), "Quotes");
    EXPECT_STREQ(random->Next->Name.c_str(), "Jokes");
    EXPECT_STREQ(random->Next->Next->Name.c_str(), "Tips");
    EXPECT_STREQ(loaded.ChannelConfigs.Head->ChannelName.c_str(), "#SciFi");
    EXPECT_STREQ(loaded.ChannelConfigs.Tail->ChannelName.c_str(), "#quiet");
}

// Names are texts of any length; only element names of the file are bounded.
TEST_F(ConfigRoundTripTest, LongNamesComeBackWholeAndStillResolveSelections) {
    for (std::size_t length : {31u, 32u, 3000u}) {
        SCOPED_TRACE(length);
        std::string name(length, 'n');
        FileList* list = NewRecord<FileList>();
        list->ListName.Set(name.c_str());
        state.FileLists.PushBack(list);
        UserGroup* group = NewRecord<UserGroup>();
        group->GroupName.Set(name.c_str());
        state.UserGroups.PushBack(group);
        ChannelConfig* config = NewChannelConfig(state, ("#" + name).c_str());
        SelectFileList(*config, *list);
        auto* groupSelection = NewRecord<GroupSelection>();
        groupSelection->Group = group;
        groupSelection->Config = config;
        config->UserGroupLinks.PushBack(groupSelection);

        SaveAllConfiguration(state);
        ModuleState& loaded = Reload();
        const ChannelConfig* channel = loaded.ChannelConfigs.Head;
        EXPECT_EQ(channel->ChannelName.Length(), length + 1);
        ASSERT_EQ(channel->FileListLinks.Count, 1u);
        EXPECT_EQ(channel->FileListLinks.Head->List->ListName.Length(), length);
        ASSERT_EQ(channel->UserGroupLinks.Count, 1u);
        EXPECT_EQ(channel->UserGroupLinks.Head->Group->GroupName.Length(), length);
        DeleteChannelConfig(state, config);
    }
}

TEST_F(ConfigRoundTripTest, EachFileAloneRoundTrips) {
    BuildFullConfiguration(state);
    EXPECT_TRUE(SaveFileLists(state));
    EXPECT_TRUE(SaveChannelConfigs(state));
    ModuleState& loaded = Reload();
    // Without user.dat and advertisement.dat the channel keeps only its lists.
    EXPECT_EQ(loaded.FileLists.Count, 2u);
    ASSERT_EQ(loaded.ChannelConfigs.Count, 2u);
    EXPECT_EQ(loaded.ChannelConfigs.Head->FileListLinks.Count, 2u);
    EXPECT_EQ(loaded.ChannelConfigs.Head->UserGroupLinks.Count, 0u);
    EXPECT_EQ(loaded.ChannelConfigs.Head->AdGroupLinks.Count, 0u);
    EXPECT_EQ(loaded.Networks.Count, 0u);
}

}  // namespace
}  // namespace qvs
