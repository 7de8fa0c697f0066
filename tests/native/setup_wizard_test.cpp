// A new channel the plain way and through the wizard: the pages' checks,
// the list page's defaults, and Finish making everything or nothing.
#include <cstdlib>

#include "ads/ad_manager.h"
#include "lists/list_removal.h"
#include "requests_fixture.h"
#include "setup/channel_wizard.h"
#include "setup/new_channel.h"
#include "users/group_operations.h"

namespace qvs {
namespace {

// Record memory that runs out after a given number of blocks and counts the
// blocks it has handed out and not had back.
struct ScarceMemory {
    static inline long Left = 0;
    static inline long Live = 0;
    static void* Allocate(std::size_t bytes) {
        if (Left == 0) return nullptr;
        --Left;
        ++Live;
        return std::calloc(1, bytes ? bytes : 1);
    }
    static void Release(void* block) {
        --Live;
        std::free(block);
    }
    explicit ScarceMemory(long blocks) {
        Left = blocks;
        Live = 0;
        SetRecordMemory({Allocate, Release});
    }
    ~ScarceMemory() { SetRecordMemory({Plenty, Release}); }
    static void* Plenty(std::size_t bytes) {
        ++Live;
        return std::calloc(1, bytes ? bytes : 1);
    }
};

class WizardTest : public RequestsTest {
protected:
    WizardChoices NewListChoices(const char* channelName) {
        WizardChoices choices;
        choices.Channel = channelName;
        choices.NewList = WizardListDefaults(state, CheckWizardChannel(state, channelName).Name);
        choices.Folders = {ServedFolder(), ServedFolder(), scratch.Path() + "\\vanished"};
        return choices;
    }
    std::size_t Records() const {
        return state.ChannelConfigs.Count + state.FileLists.Count + state.RetiredLists.Count + state.AdGroups.Count;
    }
};

TEST_F(WizardTest, ChannelNamesOfBothWays) {
    struct Case {
        const char* typed;
        const char* wizardName;
        std::string wizardRefusal;
        std::string plainRefusal;
    } cases[] = {
        {"new", "#new", "", ""},
        {" \r\n#New\n", "#New", "", ""},
        {"  ", "", kNoChannelNameMessage, ""},
        {"", "", kNoChannelNameMessage, ""},
        {"FILES", "#FILES", "#FILES is already in the channel list", ""},
        {"#FILES", "#FILES", "#FILES is already in the channel list", "#FILES is already in the channel list"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        ChannelNameAnswer answer = CheckWizardChannel(state, c.typed);
        EXPECT_EQ(answer.Name, c.wizardName);
        EXPECT_EQ(answer.Refusal, c.wizardRefusal);
        std::string refusal = "(none)";
        std::size_t before = state.ChannelConfigs.Count;
        ChannelConfig* made = CreatePlainChannel(state, c.typed, refusal);
        EXPECT_EQ(refusal, c.plainRefusal);
        bool expectMade = *c.typed && c.plainRefusal.empty();
        ASSERT_EQ(made != nullptr, expectMade);
        if (!made) continue;
        EXPECT_STREQ(made->ChannelName.c_str(), c.typed) << "the plain way takes the name as typed";
        EXPECT_STREQ(made->SearchTriggers.Head->Value.c_str(), "@find");
        EXPECT_EQ(state.ChannelConfigs.Head, made);
        DeleteChannelConfig(state, made);
        EXPECT_EQ(state.ChannelConfigs.Count, before);
    }
}

TEST_F(WizardTest, TheListPageStartsFromTheChannelAndTheHostsNick) {
    ListProperties fields = WizardListDefaults(state, "#new");
    EXPECT_EQ(fields.ListName, "#new");
    EXPECT_EQ(fields.ListTrigger, "@Server");
    EXPECT_EQ(fields.FileTrigger, "!Server");
    for (const char* nick : {"", "two words", "$me", "|"}) {
        host.Answer("$me", nick);
        fields = WizardListDefaults(state, "#new");
        EXPECT_EQ(fields.ListTrigger + fields.FileTrigger, "") << nick;
    }
    EXPECT_EQ(CheckWizardFolders({}), kNoFolderMessage);
    EXPECT_EQ(CheckWizardFolders({""}), kNoFolderMessage);
    EXPECT_EQ(CheckWizardFolders({"C:\\Data"}), nullptr);
}

TEST_F(WizardTest, FinishMakesTheChannelListGroupAndBindings) {
    ServeFile("a.avi", 10);
    WizardOutcome made = FinishWizard(state, NewListChoices("new"));
    ASSERT_TRUE(made.Channel && made.List && made.Group) << made.Message;
    EXPECT_EQ(made.Message, "");
    EXPECT_EQ(state.ChannelConfigs.Head, made.Channel);
    EXPECT_STREQ(made.Channel->ChannelName.c_str(), "#new");
    EXPECT_STREQ(made.List->ListName.c_str(), "#new");
    EXPECT_EQ(made.List->CreationFolder.Count, 2u) << "the folder chosen twice is kept once";
    ASSERT_EQ(made.Channel->FileListLinks.Count, 1u);
    EXPECT_EQ(made.Channel->FileListLinks.Head->List, made.List);
    EXPECT_EQ(made.Channel->FileListLinks.Head->AccessMode, kBothWindows);
    EXPECT_EQ(made.List->Channels.Head->Config, made.Channel);
    Advertisement* ad = made.Group->Ads.Head;
    ASSERT_NE(ad, nullptr);
    EXPECT_STREQ(ad->AdsName.c_str(), "#new");
    EXPECT_EQ(std::vector<uint32_t>({ad->RunOption, ad->StartAfter, ad->Interval}), std::vector<uint32_t>({1, 0, 300}));
    EXPECT_EQ(ad->AdsText.c_str(), DefaultAdvertisementText("#new"));
    AdGroupSelection* shown = made.Channel->AdGroupLinks.Head;
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->Group, made.Group);
    EXPECT_EQ(std::vector<uint32_t>({shown->DisplayWhen, shown->DisplayMethod, shown->RunAfter, shown->Enable}),
              std::vector<uint32_t>({3, 1, 0, 1}));
    EXPECT_STREQ(shown->Trigger.c_str(), "!list");
    ASSERT_EQ(platform.Worker.PendingCount(), 1u) << "the list is generated on a thread of its own";
    platform.Worker.RunPending();
    EXPECT_TRUE(platform.Files.FileExists(state.ConfigFolder + made.List->TrueListName.c_str() + ".zip") ||
                platform.Files.FileExists(state.ConfigFolder + made.List->TrueListName.c_str() + ".txt"));
    EXPECT_EQ(made.List->NumberOfFiles, 1u) << "a folder that does not exist lists nothing";
    EXPECT_TRUE(platform.Panel.Messages.empty()) << "no result box";
}

TEST_F(WizardTest, FinishWithAnExistingListAndATakenGroupName) {
    FileList* existing = AddList("Movies", "!get", "@movies");
    AddAdGroup(state, "#NEW");
    WizardChoices choices;
    choices.Channel = "#new";
    choices.ExistingList = existing;
    choices.ExistingListName = "MOVIES";
    WizardOutcome made = FinishWizard(state, choices);
    ASSERT_NE(made.Channel, nullptr);
    EXPECT_EQ(made.List, existing);
    EXPECT_EQ(made.Group, nullptr);
    EXPECT_EQ(made.Message, kDuplicateGroupMessage);
    EXPECT_EQ(made.Channel->FileListLinks.Head->List, existing);
    EXPECT_TRUE(made.Channel->AdGroupLinks.Empty());
    EXPECT_EQ(state.AdGroups.Head->Ads.Count, 0u);
    EXPECT_EQ(platform.Worker.PendingCount(), 0u) << "an existing list is not generated";
}

// Finish checks every page again: a list deleted or a channel added while
// the wizard was open leaves nothing made.
TEST_F(WizardTest, FinishRefusesWhatChangedMeanwhile) {
    FileList* existing = AddList("Movies", "!get", "@movies");
    FileList* reused = AddList("Series", "!s", "@s");
    WizardChoices gone;
    gone.Channel = "#new";
    gone.ExistingList = existing;
    gone.ExistingListName = "Movies";
    RemoveFileList(state, existing);
    // A list made after the chosen one was deleted may take its address.
    WizardChoices replaced = gone;
    replaced.ExistingList = reused;
    WizardChoices noFolder = NewListChoices("#new");
    noFolder.Folders.clear();
    WizardChoices taken = NewListChoices("#new");
    taken.NewList.ListName = "FILES";
    AddList("files", "!f", "@f");
    const std::pair<WizardChoices*, std::string> cases[] = {{&gone, kListGoneMessage},
                                                            {&replaced, kListGoneMessage},
                                                            {&noFolder, kNoFolderMessage},
                                                            {&taken, kDuplicateListMessage}};
    std::size_t before = Records();
    for (const auto& c : cases) {
        WizardOutcome made = FinishWizard(state, *c.first);
        EXPECT_EQ(made.Message, c.second);
        EXPECT_EQ(made.Channel, nullptr);
        EXPECT_EQ(Records(), before);
    }
}

// Memory running out at any point of Finish leaves the configuration as it
// was: every block handed out is given back.
TEST_F(WizardTest, FinishIsAllOrNothingWhereverMemoryRunsOut) {
    std::size_t before = Records();
    for (long blocks = 0;; ++blocks) {
        SCOPED_TRACE(blocks);
        WizardChoices choices = NewListChoices("#new");
        WizardOutcome made;
        long live = 0;
        {
            ScarceMemory memory(blocks);
            made = FinishWizard(state, choices);
            live = ScarceMemory::Live;
        }
        if (made.Channel) {
            EXPECT_TRUE(made.List && made.Group);
            EXPECT_GT(blocks, 10);
            break;
        }
        EXPECT_EQ(live, 0);
        EXPECT_EQ(Records(), before);
        EXPECT_EQ(platform.Worker.PendingCount(), 0u);
        ASSERT_LT(blocks, 1000);
    }
    platform.Worker.RunPending();
}

}  // namespace
}  // namespace qvs
