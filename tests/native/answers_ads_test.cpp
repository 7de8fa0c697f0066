// Advertisements on timers and on trigger words, and the text variables
// expanded in them.
#include "requests_fixture.h"

#include "ads/ad_timers.h"
#include "ads/text_variables.h"

namespace qvs {
namespace {

struct AdSpec {
    const char* Text;
    uint32_t StartAfter = 0;
    uint32_t RunOption = 0;
    uint32_t Interval = 300;
};

class AdsTest : public RequestsTest {
protected:
    AdGroupSelection* Bind(const std::vector<AdSpec>& ads, uint32_t displayWhen = 1, uint32_t runAfter = 0,
                           uint32_t method = 0, const char* trigger = nullptr) {
        AdGroup* group = NewRecord<AdGroup>();
        group->AdsGroupName.Set("Ads");
        for (const AdSpec& spec : ads) {
            Advertisement* ad = NewRecord<Advertisement>();
            ad->AdsText.Set(spec.Text);
            ad->StartAfter = spec.StartAfter;
            ad->RunOption = spec.RunOption;
            ad->Interval = spec.Interval;
            group->Ads.PushBack(ad);
        }
        state.AdGroups.PushBack(group);
        AdGroupSelection* selection = NewRecord<AdGroupSelection>();
        selection->Group = group;
        selection->DisplayWhen = displayWhen;
        selection->RunAfter = runAfter;
        selection->DisplayMethod = method;
        selection->Trigger.Set(trigger);
        selection->Enable = 1;
        config->AdGroupLinks.PushBack(selection);
        return selection;
    }
    std::vector<std::string> Shown() const { return Sent("/msg", "#files"); }
};

TEST_F(AdsTest, TimedAdvertisementsFollowActivationStartAndInterval) {
    Bind({{"ten", 10, 1, 60}, {"twenty", 20, 1, 60}, {"once", 15, 0}}, 1, 5);
    StartChannelAds(state, channel);
    std::vector<std::pair<uint64_t, std::string>> shown;
    for (uint64_t second = 1; second <= 150; ++second) {
        std::size_t before = Shown().size();
        platform.Time.Advance(1000);
        for (std::size_t n = before; n < Shown().size(); ++n) shown.emplace_back(second, Shown()[n]);
    }
    EXPECT_EQ(shown, (std::vector<std::pair<uint64_t, std::string>>{
                         {15, "ten"}, {20, "once"}, {25, "twenty"}, {75, "ten"}, {85, "twenty"}, {135, "ten"},
                         {145, "twenty"}}));
    EXPECT_EQ(state.AdTimers.Count, 2u) << "a run-once advertisement leaves no record";
}

TEST_F(AdsTest, OnlyEnabledTimedSelectionsStartAndRunAfterZeroActivatesAtOnce) {
    Bind({{"trigger only"}}, 2);
    Bind({{"off"}}, 1)->Enable = 0;
    Bind({{"both"}}, 3, 0, 1);  // a timed showing goes to the channel whatever the method
    Bind({{"every zero", 0, 1, 0}}, 1);
    StartChannelAds(state, channel);
    platform.Time.Advance(0);
    platform.Time.Advance(0);
    EXPECT_EQ(Shown(), (std::vector<std::string>{"both", "every zero"}));
    platform.Time.Advance(3600 * 1000);
    EXPECT_EQ(Shown().size(), 2u) << "an interval of 0 does not flood the channel";
}

TEST_F(AdsTest, TimersStopWhenTheChannelIsReleasedAndShowNothingWhileNotServing) {
    Bind({{"ad", 1, 1, 1}}, 1, 1);
    StartChannelAds(state, channel);
    platform.Time.Advance(2000);
    EXPECT_EQ(Shown().size(), 1u);
    config->Serve = 0;
    platform.Time.Advance(5000);
    EXPECT_EQ(Shown().size(), 1u);
    config->Serve = 1;
    platform.Time.Advance(1000);
    EXPECT_EQ(Shown().size(), 2u);
    std::size_t running = platform.Time.RunningCount();
    ReleaseServedChannel(state, channel);
    channel = nullptr;
    EXPECT_EQ(platform.Time.RunningCount(), running - 1);
    EXPECT_TRUE(state.AdTimers.Empty());
    EXPECT_TRUE(state.GroupActivations.Empty());
}

TEST_F(AdsTest, ATriggerWordShowsTheGroupWhereItsDisplayMethodSays) {
    struct Case {
        uint32_t Method;
        const char* Verb;
        const char* Target;
    } cases[] = {{0, "/msg", "#files"}, {1, "/notice", "bob"}, {2, "/msg", "bob"}, {7, "/msg", "bob"}};
    AdGroupSelection* selection = Bind({{"hello $UserNick.Nick$"}, {"second"}}, 2, 0, 0, "!ads");
    for (const Case& c : cases) {
        selection->DisplayMethod = c.Method;
        host.Executed.clear();
        EXPECT_EQ(Say("bob", "!ADS please", true), 1);
        EXPECT_EQ(Sent(c.Verb, c.Target), (std::vector<std::string>{"hello bob", "second"})) << c.Method;
    }
    config->Serve = 0;
    host.Executed.clear();
    EXPECT_EQ(Say("bob", "!ads"), 1);
    EXPECT_TRUE(host.Executed.empty());
}

TEST_F(AdsTest, AChannelMessageIsPlainTextOfOneLineCutWhereACommandEnds) {
    std::string huge(64 * 1024, 'a');
    Bind({{"costs $5 | %free\r\n/quit"}, {huge.c_str()}}, 2, 0, 0, "!ads");
    Say("bob", "!ads");
    ASSERT_EQ(Shown().size(), 2u);
    EXPECT_EQ(Shown()[0], "costs \x02\x02$5 \x02\x02| \x02\x02%free  /quit");
    EXPECT_EQ(Shown()[1].size(), 1023u - std::string("/msg #files ").size());
}

class VariablesTest : public RequestsTest {
protected:
    std::string Expand(const std::string& text, const char* nick = nullptr, bool served = true) {
        return ExpandVariables(state, config, text.c_str(), nick, served ? channel : nullptr);
    }
};

TEST_F(VariablesTest, EveryVariableHasItsValue) {
    config->NoOfFilesSent = 1000;
    config->SizeOfFilesSent = 1048576;
    config->MaxSendSpeed = 2047;
    config->UseMinCps = 1;
    config->MinSendCps = 300;
    config->MaxSlot = 1;
    config->SQueueSlots = 3;
    config->SearchLimit = 4;
    FileList* list = AddList("KM-SciFi", "!srv", "@scifi");
    list->NumberOfFiles = 12345;
    list->SizeOfFiles = 1536;
    list->CreationDateTime = DateTime{2026, 12, 1, 7, 8, 9, 10, 0};
    list->Description.Set("Films");
    FileList* fresh = AddList("New", "!new", "@new");
    for (int i = 0; i < 2; ++i) {
        QueueEntry* entry = NewRecord<QueueEntry>();
        entry->Channel = channel;
        channel->Regular.Sending.PushBack(entry);
    }
    host.Answer("$me", "Host");
    struct Case {
        const char* Text;
        std::string Expanded;
        bool Served = true;
    } cases[] = {
        {"$Channel.FilesSent$ $Channel.FileSize$ $Channel.MaxSend$", "1,000 1 MB 1.99 KB/s"},
        {"$Channel.ChanName$ $Channel.MaxReq$ $Channel.SendThreshold$", "#files Unlimited 300 cps"},
        {"$Channel.FilesSending$ $Channel.RMaxSlots$ $Channel.RMinSlots$ $Channel.RFreeSlots$", "2 1 2 -1"},
        {"$Channel.FilesSending$ $Channel.RFreeSlots$", "0 1", false},
        {"$Channel.SMaxSlots$ $Channel.SFreeSlots$ $Channel.OMaxSlots$ $Channel.OFreeSlots$", "3 3 2 2"},
        {"[$UserNick.Nick$] $UserNick.ServerNick$", "[] Server"},
        {"$UserNick.ServerNick$", "Host", false},
        {"$Script.Name$ $Script.MinSearchStringLength$", "QVS Verovor Odezev by Tarvonek v1.8.2c 4"},
        {"$KM-SciFi.FileCount$ $KM-SciFi.FileSize$ $KM-SciFi.Trigger$ $KM-SciFi.Description$",
         "12,345 1.5 KB @scifi Films"},
        {"$KM-SciFi.CreationDate$", "12-07-2026  08:09:10"},
        {"$New.CreationDate$ $New.FileCount$ [$New.Description$]", "Not created yet 0 []"},
        {"$channel.channame$ $KM-SCIFI.TRIGGER$ $Channel.ChanName", "#files @scifi $Channel.ChanName"},
        {"$Unknown.Variable$ $$Script.MinSearchStringLength$$", "$Unknown.Variable$ $4$"},
    };
    (void)fresh;
    for (const Case& c : cases) EXPECT_EQ(Expand(c.Text, nullptr, c.Served), c.Expanded) << c.Text;
    host.Refuse("$me");
    EXPECT_EQ(Expand("[$UserNick.ServerNick$]", nullptr, false), "[]");
    config->LimitQueueSize = 1;
    EXPECT_EQ(Expand("$Channel.MaxReq$"), "5");
}

TEST_F(VariablesTest, AValueIsNeverExpandedAgainForItsOwnVariable) {
    FileList* list = AddList("L", "!l", "@l");
    list->Description.Set("see $L.Description$ and $L.Trigger$");
    EXPECT_EQ(Expand("$L.Description$"), "see $L.Description$ and $L.Trigger$");
    list->ListTrigger.Set("$L.Description$");
    EXPECT_EQ(Expand("$L.Trigger$"), "see $L.Description$ and $L.Trigger$") << "a later variable meets earlier values";
}

TEST_F(VariablesTest, RandomTextIsDrawnForEveryOccurrenceAndRemovedWhenTheHostHasNone) {
    RandomTextFile* quotes = NewRecord<RandomTextFile>();
    quotes->Name.Set("Quotes");
    quotes->FullPathname.Set("C:\\quotes.txt");
    state.RandomFiles.PushBack(quotes);
    RandomTextFile* missing = NewRecord<RandomTextFile>();
    missing->Name.Set("Missing");
    missing->FullPathname.Set("C:\\missing.txt");
    state.RandomFiles.PushBack(missing);
    RandomTextFile* empty = NewRecord<RandomTextFile>();
    empty->Name.Set("Empty");
    empty->FullPathname.Set("C:\\empty.txt");
    state.RandomFiles.PushBack(empty);
    host.Answer("$read(\"C:\\empty.txt\")", "");
    int drawn = 0;
    auto resolver = host.Resolver;
    host.Resolver = [&drawn, resolver](const std::string& identifier, std::string& value) {
        if (identifier == "$read(\"C:\\quotes.txt\")") {
            value = "line " + std::to_string(++drawn);
            return true;
        }
        return resolver(identifier, value);
    };
    EXPECT_EQ(Expand("$RandomText.Quotes$, $randomtext.quotes$ [$RandomText.Missing$|$RandomText.Empty$]"),
              "line 1, line 2 [|]");

    // A text far longer than one HostLink text: cut there, and the host is
    // asked only for lines that can still be seen.
    std::string huge;
    while (huge.size() < 64 * 1024) huge += "$RandomText.Quotes$ $Script.Name$ ";
    drawn = 0;
    std::string expanded = Expand(huge);
    EXPECT_EQ(expanded.size(), kHostLinkBufferSize - 1);
    EXPECT_EQ(expanded.substr(0, 47), "line 1 QVS Verovor Odezev by Tarvonek v1.8.2c l");
    EXPECT_LT(drawn, 100);
}

}  // namespace
}  // namespace qvs
