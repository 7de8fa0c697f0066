// Queue admission through real file requests: which queue, duplicates,
// per-nick limits, group overrides, priority, and the exact answers.
#include "requests_fixture.h"

namespace qvs {
namespace {

constexpr char kAdded[] =
    R"(: \x032,15I have added\x03\x0312,15 %s \x03\x032,15as\x03\x0312,15 %s \x03\x032,15in my %s queue. The send will be initiated as soon as possible.\x03)";
constexpr char kAddedWithinLimit[] =
    R"(: \x032,15I have added\x03\x0312,15 %s \x03\x032,15as\x03\x0312,15 %s \x03\x032,15in my %s queue. This is file %s of %s allowed in your queue.The send will be initiated as soon as possible.\x03)";

std::string Fill(std::string text, const std::vector<std::string>& values) {
    for (const std::string& value : values) text.replace(text.find("%s"), 2, value);
    return Escaped(text);
}

class AdmissionTest : public RequestsTest {
protected:
    AdmissionTest() {
        list = AddList("Movies", "!get");
        ListNames(list, {"big.avi", "big2.avi", "big3.avi", "small.txt", "edge.txt", "edge1.txt"});
        ServeFile("big.avi");
        ServeFile("big2.avi");
        ServeFile("big3.avi");
        ServeFile("small.txt", 100);
        ServeFile("edge.txt", config->SQueueSize);
        ServeFile("edge1.txt", config->SQueueSize + 1);
    }
    void SetStatus(const std::string& nick, bool op, bool voice) {
        host.Answer("$GetOpStatus(0 ,#files," + nick + ")", op ? "@" : "");
        host.Answer("$GetVoiceStatus(0,#files," + nick + ")", voice ? "+" : "");
    }
    FileList* list = nullptr;
};

TEST_F(AdmissionTest, LargeFileGoesToTheRegularQueueAndTheUserIsToldItsPlace) {
    EXPECT_EQ(Say("bob", "!get big.avi"), 1);
    ASSERT_EQ(channel->Regular.Waiting.Count, 1u);
    QueueEntry* entry = channel->Regular.Waiting.Head;
    EXPECT_EQ(std::string(entry->FilePath.c_str()), ServedFolder() + "big.avi");
    EXPECT_STREQ(entry->Nick.c_str(), "bob");
    EXPECT_EQ(entry->FileSize, 100000u);
    EXPECT_EQ(entry->QueuedTime, platform.Time.UtcNow());
    EXPECT_EQ(entry->Channel, channel);
    EXPECT_EQ(entry->InRegularQueue, 1u);
    EXPECT_EQ(Notices(), std::vector<std::string>{Fill(kAdded, {"big.avi", "1", "regular"})});
    ASSERT_EQ(platform.Panel.RowsAdded.size(), 1u);
    EXPECT_EQ(platform.Panel.RowsAdded[0], entry);
    EXPECT_GE(platform.Panel.CounterRefreshes, 1);

    Say("ann", "!get big2.avi");
    EXPECT_EQ(Notices("ann"), std::vector<std::string>{Fill(kAdded, {"big2.avi", "2", "regular"})});
}

TEST_F(AdmissionTest, AFileOfExactlyTheSmallFileSizeIsSmallAndOneByteMoreIsNot) {
    Say("bob", "!get edge.txt");
    Say("bob", "!get edge1.txt");
    EXPECT_EQ(WaitingPaths(config->Small), std::vector<std::string>{ServedFolder() + "edge.txt"});
    EXPECT_EQ(WaitingPaths(channel->Regular), std::vector<std::string>{ServedFolder() + "edge1.txt"});
    EXPECT_EQ(channel->Regular.Waiting.Head->InRegularQueue, 1u);
    EXPECT_EQ(config->Small.Waiting.Head->InRegularQueue, 0u);
    EXPECT_EQ(Notices()[0], Fill(kAdded, {"edge.txt", "1", "small-file"}));
}

TEST_F(AdmissionTest, OpsAndVoicesGoToTheOpVoiceQueueOnlyWhereTheChannelIsNiceToThem) {
    SetStatus("opper", true, false);
    SetStatus("voiced", false, true);
    Say("opper", "!get big.avi");
    Say("voiced", "!get big.avi");
    EXPECT_EQ(WaitingNicks(config->OpVoice), (std::vector<std::string>{"opper", "voiced"}));
    EXPECT_EQ(Notices("opper"), std::vector<std::string>{Fill(kAdded, {"big.avi", "1", "op/voice"})});

    config->NiceToOp = 0;
    Say("opper", "!get small.txt");
    Say("opper", "!get big2.avi");
    EXPECT_EQ(WaitingNicks(config->Small), std::vector<std::string>{"opper"});
    EXPECT_EQ(WaitingNicks(channel->Regular), std::vector<std::string>{"opper"});
}

TEST_F(AdmissionTest, WithoutNiceSettingsTheStatusIsNotEvenAsked) {
    config->NiceToOp = 0;
    config->NiceToVoice = 0;
    SetStatus("opper", true, false);
    Say("opper", "!get big.avi");
    EXPECT_EQ(channel->Regular.Waiting.Count, 1u);
    for (const std::string& identifier : host.Evaluated) EXPECT_EQ(identifier.find("Status"), std::string::npos);
}

TEST_F(AdmissionTest, AnUnansweredStatusQuestionLeavesTheUserRegular) {
    host.Resolver = [](const std::string& identifier, std::string& value) {
        value = "1";
        return identifier.rfind("$GetComChan(", 0) == 0;
    };
    Say("bob", "!get big.avi");
    EXPECT_EQ(channel->Regular.Waiting.Count, 1u);
    EXPECT_EQ(config->OpVoice.Waiting.Count, 0u);
}

TEST_F(AdmissionTest, AGroupsForcedStatusReplacesTheDetectedOne) {
    SelectGroup(AddGroup("friends", {"Bob"}))->TreatAs = kTreatOp;
    GroupSelection* demoted = SelectGroup(AddGroup("demoted", {"opper"}));
    demoted->TreatAs = kTreatRegular;
    SetStatus("opper", true, false);
    Say("bob", "!get big.avi");
    Say("opper", "!get big.avi");
    EXPECT_EQ(WaitingNicks(config->OpVoice), std::vector<std::string>{"bob"});
    EXPECT_EQ(WaitingNicks(channel->Regular), std::vector<std::string>{"opper"});
    EXPECT_EQ(config->OpVoice.Waiting.Head->Group, config->UserGroupLinks.Head);
    EXPECT_EQ(channel->Regular.Waiting.Head->Group, demoted);
}

TEST_F(AdmissionTest, TheSameFileTwiceByTheSameNickInAnyCaseIsRefused) {
    Say("bob", "!get big.avi");
    // Windows names compare without case; this file system does not, so
    // the queued path is changed in place.
    QueueEntry* queued = channel->Regular.Waiting.Head;
    std::string upper = ServedFolder() + "BIG.AVI";
    queued->FilePath.Set(upper.c_str());
    Say("BOB", "!get big.avi");
    EXPECT_EQ(channel->Regular.Waiting.Count, 1u);
    EXPECT_EQ(Messages("BOB"), std::vector<std::string>{"You already have big.avi in my queue"});
}

TEST_F(AdmissionTest, AFileBeingSentMayBeRequestedAgain) {
    Say("bob", "!get big.avi");
    QueueEntry* sending = channel->Regular.Waiting.Head;
    channel->Regular.Waiting.Unlink(sending);
    channel->Regular.Sending.PushBack(sending);
    Say("bob", "!get big.avi");
    EXPECT_EQ(channel->Regular.Waiting.Count, 1u);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(AdmissionTest, TheChannelLimitRefusesTheRequestOverItAndNamesTheLimit) {
    config->LimitQueueSize = 1;
    config->QueueSize = 2;
    Say("bob", "!get big.avi");
    Say("bob", "!get big2.avi");
    Say("bob", "!get big3.avi");
    EXPECT_EQ(channel->Regular.Waiting.Count, 2u);
    EXPECT_EQ(Notices(), (std::vector<std::string>{Fill(kAddedWithinLimit, {"big.avi", "1", "regular", "1", "2"}),
                                                   Fill(kAddedWithinLimit, {"big2.avi", "2", "regular", "2", "2"})}));
    EXPECT_EQ(Messages(),
              std::vector<std::string>{Escaped(R"(You already have 2 requests in my queue. \x02\x0312big3.avi\x03\x02 is not queued.)")});
    // The limit counts one queue only.
    Say("bob", "!get small.txt");
    EXPECT_EQ(config->Small.Waiting.Count, 1u);
}

TEST_F(AdmissionTest, ALimitOfZeroRefusesEveryRequestAndSaysSo) {
    config->LimitQueueSize = 1;
    config->QueueSize = 0;
    Say("bob", "!get big.avi");
    EXPECT_EQ(channel->Regular.Waiting.Count, 0u);
    EXPECT_EQ(Messages(),
              std::vector<std::string>{Escaped(R"(You already have 0 requests in my queue. \x02\x0312big.avi\x03\x02 is not queued.)")});
    EXPECT_TRUE(Notices().empty());
}

TEST_F(AdmissionTest, AGroupQueueSizeLimitsItsMembersEvenWithoutAChannelLimit) {
    SelectGroup(AddGroup("leechers", {"bob"}))->QueueSize = 1;
    Say("bob", "!get big.avi");
    Say("bob", "!get big2.avi");
    Say("ann", "!get big.avi");
    Say("ann", "!get big2.avi");
    EXPECT_EQ(WaitingNicks(channel->Regular), (std::vector<std::string>{"bob", "ann", "ann"}));
    EXPECT_EQ(Notices()[0], Fill(kAddedWithinLimit, {"big.avi", "1", "regular", "1", "1"}));
    EXPECT_EQ(Messages(),
              std::vector<std::string>{Escaped(R"(You already have 1 requests in my queue. \x02\x0312big2.avi\x03\x02 is not queued.)")});
    EXPECT_EQ(Notices("ann")[1], Fill(kAdded, {"big2.avi", "3", "regular"}));
}

TEST_F(AdmissionTest, AGroupQueueSizeReplacesTheChannelLimit) {
    config->LimitQueueSize = 1;
    config->QueueSize = 1;
    SelectGroup(AddGroup("friends", {"bob"}))->QueueSize = 3;
    Say("bob", "!get big.avi");
    Say("bob", "!get big2.avi");
    EXPECT_EQ(channel->Regular.Waiting.Count, 2u);
    EXPECT_EQ(Notices()[1], Fill(kAddedWithinLimit, {"big2.avi", "2", "regular", "2", "3"}));
}

TEST_F(AdmissionTest, ARequestOverItsQueuesLimitIsNotTriedInAnotherQueue) {
    config->LimitQueueSize = 1;
    config->QueueSize = 1;
    SetStatus("opper", true, false);
    Say("opper", "!get big.avi");
    Say("opper", "!get big2.avi");
    EXPECT_EQ(config->OpVoice.Waiting.Count, 1u);
    EXPECT_EQ(channel->Regular.Waiting.Count, 0u);
    EXPECT_EQ(Messages("opper").size(), 1u);
}

TEST_F(AdmissionTest, WithNoQueueOpenTheUserIsNotAuthorized) {
    config->EnableSQueue = 0;
    config->EnableRegularQueue = 0;
    EXPECT_EQ(Say("bob", "!get small.txt"), 1);
    EXPECT_EQ(Notices(), std::vector<std::string>{Escaped(R"(: \x032,15You are not authorized to use this server.\x03)")});
    EXPECT_EQ(config->Small.Waiting.Count + channel->Regular.Waiting.Count, 0u);
}

TEST_F(AdmissionTest, PriorityEntriesGoBehindEarlierPriorityEntriesAndBeforeEveryoneElse) {
    SelectGroup(AddGroup("vip", {"p1", "p2"}))->Priority = 1;
    SelectGroup(AddGroup("plain", {"g"}));
    Say("g", "!get big.avi");
    Say("a", "!get big.avi");
    Say("p1", "!get big.avi");
    Say("b", "!get big.avi");
    Say("p2", "!get big.avi");
    EXPECT_EQ(WaitingNicks(channel->Regular), (std::vector<std::string>{"p1", "p2", "g", "a", "b"}));
    EXPECT_EQ(Notices("p1"), std::vector<std::string>{Fill(kAdded, {"big.avi", "1", "regular"})});
    EXPECT_EQ(Notices("p2"), std::vector<std::string>{Fill(kAdded, {"big.avi", "2", "regular"})});
    EXPECT_EQ(Notices("b"), std::vector<std::string>{Fill(kAdded, {"big.avi", "4", "regular"})});
}

TEST_F(AdmissionTest, APriorityEntryInAQueueOfPriorityEntriesGoesLast) {
    SelectGroup(AddGroup("vip", {"p1", "p2"}))->Priority = 1;
    Say("p1", "!get big.avi");
    Say("p2", "!get big.avi");
    EXPECT_EQ(WaitingNicks(channel->Regular), (std::vector<std::string>{"p1", "p2"}));
    EXPECT_EQ(channel->Regular.Waiting.Tail->Nick.Equals("p2"), true);
}

TEST_F(AdmissionTest, WithoutVerboseTheUserIsNotToldItsPlace) {
    config->Verbose = 0;
    Say("bob", "!get big.avi");
    EXPECT_EQ(channel->Regular.Waiting.Count, 1u);
    EXPECT_TRUE(Notices().empty());
}

}  // namespace
}  // namespace qvs
