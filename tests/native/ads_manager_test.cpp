// The advertisement manager's core: unique, cut names of groups,
// advertisements and random-text files; deleting and switching off stops
// the timers first; binding groups to a channel.
#include <algorithm>

#include "ads/ad_manager.h"
#include "ads/ad_selections.h"
#include "ads/ad_timers.h"
#include "ads/random_files.h"
#include "requests_fixture.h"
#include "users/group_operations.h"

namespace qvs {
namespace {

constexpr uint32_t kSecond = 1000;

class AdManagerTest : public RequestsTest {
protected:
    // A group with two advertisements shown every minute in #files, its
    // activation and both advertisement timers running.
    AdGroup* RunningGroup(const char* name) {
        AdGroup* group = AddAdGroup(state, name).Done;
        for (const char* adName : {"first", "second"}) {
            Advertisement* ad = AddAdvertisement(group, adName).Done;
            ad->RunOption = 1;
            ad->Interval = 60;
            SetAdvertisementText(ad, adName);
        }
        BindAdGroup(config, group);
        return group;
    }
    void StartServing() {
        StartChannelAds(state, channel);
        platform.Time.Advance(kSecond);  // activation (RunAfter 0) and first showings
    }
    std::vector<std::string> Shown() const { return Sent("/msg", "#files"); }
};

TEST_F(AdManagerTest, NamesAreCutAndUniqueIgnoringCase) {
    const std::string longName(2000, 'g'), cutName(127, 'G');
    EditAnswer<AdGroup> ads = AddAdGroup(state, "Ads");
    ASSERT_NE(ads.Done, nullptr);
    struct Case {
        const char* name;
        const char* refusal;
        bool done;
    } groups[] = {{"ADS", kDuplicateGroupMessage, false}, {"", nullptr, false}, {longName.c_str(), nullptr, true},
                  {cutName.c_str(), kDuplicateGroupMessage, false}};
    for (const Case& c : groups) {
        EditAnswer<AdGroup> answer = AddAdGroup(state, c.name);
        EXPECT_EQ(answer.Refusal, c.refusal) << std::string(c.name).size();
        EXPECT_EQ(answer.Done != nullptr, c.done) << std::string(c.name).size();
    }
    EXPECT_EQ(state.AdGroups.Tail->AdsGroupName.Length(), 127u);
    EXPECT_EQ(RenameAdGroup(state, ads.Done, longName.c_str()).Refusal, kDuplicateGroupMessage);
    EXPECT_EQ(RenameAdGroup(state, ads.Done, "aDS").Done, ads.Done) << "its own name in another case";
    EXPECT_EQ(RenameAdGroup(state, ads.Done, "").Done, nullptr);
    EXPECT_STREQ(ads.Done->AdsGroupName.c_str(), "aDS");

    Advertisement* hello = AddAdvertisement(ads.Done, "Hello").Done;
    ASSERT_NE(hello, nullptr);
    EXPECT_EQ(std::vector<uint32_t>({hello->StartAfter, hello->Interval, hello->RunOption}),
              std::vector<uint32_t>({0, 300, 0}));
    EXPECT_TRUE(hello->AdsText.IsNone());
    EXPECT_EQ(AddAdvertisement(ads.Done, "HELLO").Refusal, kDuplicateAdMessage);
    Advertisement* other = AddAdvertisement(ads.Done, "Other").Done;
    EXPECT_EQ(RenameAdvertisement(ads.Done, other, "hello").Refusal, kDuplicateAdMessage);
    EXPECT_NE(AddAdvertisement(state.AdGroups.Tail, "Hello").Done, nullptr) << "unique within its group only";
    SetAdvertisementText(hello, "");
    EXPECT_TRUE(hello->AdsText.IsNone());
}

TEST_F(AdManagerTest, DeletingAGroupStopsItsTimersAndLeavesItsChannels) {
    std::size_t before = platform.Time.RunningCount();
    AdGroup* keep = RunningGroup("Keep");
    AdGroup* gone = RunningGroup("Gone");
    ChannelConfig* other = NewChannelConfig(state, "#other");
    BindAdGroup(other, gone);
    StartServing();
    ASSERT_EQ(platform.Time.RunningCount(), before + 4);
    EXPECT_EQ(DeleteAdGroup(state, gone), keep) << "the one before, when none follows";
    EXPECT_EQ(platform.Time.RunningCount(), before + 2);
    EXPECT_EQ(state.AdTimers.Count, 2u);
    EXPECT_EQ(config->AdGroupLinks.Count, 1u);
    EXPECT_TRUE(other->AdGroupLinks.Empty());
    host.Executed.clear();
    platform.Time.Advance(60 * kSecond);
    std::vector<std::string> shown = Shown();
    std::sort(shown.begin(), shown.end());
    EXPECT_EQ(shown, (std::vector<std::string>{"first", "second"}));
}

TEST_F(AdManagerTest, DeletingAnAdvertisementStopsOnlyItsTimer) {
    std::size_t before = platform.Time.RunningCount();
    AdGroup* group = RunningGroup("Ads");
    StartServing();
    Advertisement* first = group->Ads.Head;
    Advertisement* next = DeleteAdvertisement(state, group, first);
    EXPECT_EQ(next, group->Ads.Head);
    EXPECT_STREQ(next->AdsName.c_str(), "second");
    EXPECT_EQ(platform.Time.RunningCount(), before + 1);
    host.Executed.clear();
    platform.Time.Advance(60 * kSecond);
    EXPECT_EQ(Shown(), std::vector<std::string>{"second"});
}

TEST_F(AdManagerTest, SwitchingASelectionOffAndOnAgain) {
    std::size_t before = platform.Time.RunningCount();
    AdGroup* group = RunningGroup("Ads");
    AdGroupSelection* selection = config->AdGroupLinks.Head;
    EXPECT_EQ(BindAdGroup(config, group), nullptr) << "bound once";
    EXPECT_EQ(std::vector<uint32_t>({selection->DisplayWhen, selection->Enable}), std::vector<uint32_t>({1, 1}));
    StartServing();
    SetSelectionEnable(state, config, selection, 0);
    EXPECT_EQ(platform.Time.RunningCount(), before);
    SetSelectionEnable(state, config, selection, 1);
    EXPECT_EQ(state.GroupActivations.Count, 1u) << "one activation per serving connection";
    SetSelectionTrigger(selection, std::string(300, 't').c_str());
    EXPECT_EQ(selection->Trigger.Length(), 127u);
    SetSelectionTrigger(selection, "");
    EXPECT_TRUE(selection->Trigger.IsNone());
    UnbindAdGroup(state, config, selection);
    EXPECT_EQ(platform.Time.RunningCount(), before);
    EXPECT_TRUE(group->Channels.Empty());
}

TEST_F(AdManagerTest, RandomTextFilesAnswerTheirChecksInOrder) {
    struct Case {
        const char* name;
        const char* path;
        const char* refusal;
    } cases[] = {
        {"", "", kNoRandomNameMessage},       {"Quotes", "", kNoRandomPathMessage},
        {"Quotes", "C:\\q.txt", nullptr},     {"QUOTES", "C:\\other.txt", kDuplicateRandomNameMessage},
        {"", "C:\\q.txt", kNoRandomNameMessage},
    };
    for (const Case& c : cases) EXPECT_EQ(AddRandomTextFile(state, c.name, c.path).Refusal, c.refusal) << c.name;
    ASSERT_EQ(state.RandomFiles.Count, 1u);
    RemoveRandomTextFile(state, state.RandomFiles.Head);
    EXPECT_TRUE(state.RandomFiles.Empty());
}

TEST_F(AdManagerTest, TheDefaultTextNamesTheList) {
    std::string text = DefaultAdvertisementText("#files");
    EXPECT_EQ(text.find("KM-SciFi"), std::string::npos);
    EXPECT_EQ(text, Escaped("\\x035\\x02[QVS]\\x02\\x03 \\x0310Type \\x03\\x02$#files.Trigger$\\x02\\x0310 to get the "
                            "list of\\x03\\x02 $#files.FileCount$\\x02\\x0310 files (\\x036\\x02$#files.FileSize$\\x02"
                            "\\x03). \\x0310Updated on\\x03 \\x036\\x02$#files.CreationDate$.\\x02\\x03\\x0310 "
                            "Description: $#files.Description$\\x03"));
}

}  // namespace
}  // namespace qvs
