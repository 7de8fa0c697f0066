// Trigger dispatch: which words are triggers, which lists a file request
// tries, access modes, ignored nicks, the not-serving and not-found answers
// and the query window.
#include <map>

#include "requests_fixture.h"

namespace qvs {
namespace {

const std::string kNotServing =
    "Sorry but I currently don't serve. Please try again later when you see my advertisement in the channel";

std::string NotFound(const std::string& name) {
    return Escaped(R"(: \x032,15Sorry, but\x03\x02\x0312,15 )" + name + R"(\x03\x02\x032,15 is not found\x03)");
}

class DispatchTest : public RequestsTest {
protected:
    // Three lists, each listing one file of its own, all on disk.
    void ThreeLists(const char* secondTrigger = "!music", const char* thirdTrigger = "!books") {
        movies = AddList("Movies", "!movies", "@movies");
        music = AddList("Music", secondTrigger, "@music");
        books = AddList("Books", thirdTrigger, "@books");
        ListNames(movies, {"film.avi"});
        ListNames(music, {"song.mp3"});
        ListNames(books, {"novel.pdf"});
        ServeFile("film.avi");
        ServeFile("song.mp3");
        ServeFile("novel.pdf");
    }
    uint32_t Queued() const {
        return channel->Regular.Waiting.Count + config->Small.Waiting.Count + config->OpVoice.Waiting.Count;
    }
    FileList* movies = nullptr;
    FileList* music = nullptr;
    FileList* books = nullptr;
};

TEST_F(DispatchTest, TheOwnNickFileTriggerTriesEveryListAndEachListWithoutTheFileSaysSo) {
    ThreeLists();
    EXPECT_EQ(Say("bob", "!server novel.pdf"), 1);
    EXPECT_EQ(Notices().size(), 3u);
    EXPECT_EQ(Notices()[0], NotFound("novel.pdf"));
    EXPECT_EQ(Notices()[1], NotFound("novel.pdf"));
    EXPECT_EQ(channel->Regular.Waiting.Count, 1u);

    host.Executed.clear();
    EXPECT_EQ(Say("bob", "!Server nothing.bin"), 1);
    EXPECT_EQ(Notices(), std::vector<std::string>(3, NotFound("nothing.bin")));
}

// Counts how often each list file is mapped.
class CountingFiles : public PosixFiles {
public:
    bool MapFile(const std::string& path, MappedFile& view) override {
        ++Maps[path];
        return PosixFiles::MapFile(path, view);
    }
    std::map<std::string, int> Maps;
};

// With the own-nick trigger and a virtual list every list tries all the
// others: still each list file is scanned once for the line.
TEST_F(DispatchTest, AMissingFileCostsOneScanOfEachListPerLine) {
    ThreeLists();
    config->VirtualList = 1;
    CountingFiles files;
    state.Ports.Files = &files;
    const struct {
        const char* Line;
        std::size_t NotFoundNotices;
    } cases[] = {{"!server nothing.bin", 3}, {"!movies nothing.bin", 1}};
    for (const auto& c : cases) {
        files.Maps.clear();
        host.Executed.clear();
        EXPECT_EQ(Say("bob", c.Line), 1);
        EXPECT_EQ(Notices(), std::vector<std::string>(c.NotFoundNotices, NotFound("nothing.bin"))) << c.Line;
        EXPECT_EQ(files.Maps.size(), 3u) << c.Line;
        for (const auto& mapped : files.Maps) EXPECT_EQ(mapped.second, 1) << c.Line << " " << mapped.first;
    }
}

TEST_F(DispatchTest, TheOwnNickFileTriggerCanBeSwitchedOff) {
    ThreeLists();
    config->AGFileTriggerMode = 0;
    EXPECT_EQ(Say("bob", "!Server novel.pdf"), 0);
    EXPECT_TRUE(host.Executed.empty());
}

// The host may not answer the own nick, or answer it empty: the at sign or
// the exclamation mark alone must not become a trigger of every list.
TEST_F(DispatchTest, WhileTheOwnNickIsUnknownOwnNickTriggersMatchNothing) {
    ThreeLists();
    for (bool answered : {false, true}) {
        if (answered)
            channel->OwnNick.Set("");
        else
            channel->OwnNick.Clear();
        for (const char* line : {"! novel.pdf", "!  film.avi", "@-que", "@-help", "@-NoResend", "@-remove x", "@-list"})
            EXPECT_EQ(Say("bob", line), 0) << line;
    }
    EXPECT_TRUE(host.Executed.empty());
    EXPECT_EQ(Queued(), 0u);
    EXPECT_EQ(Say("bob", "!movies film.avi"), 1);
}

TEST_F(DispatchTest, AFileInAnotherListWithTheSameTriggerIsFoundWithoutANotFoundNotice) {
    ThreeLists("!movies");
    EXPECT_EQ(Say("bob", "!movies song.mp3"), 1);
    EXPECT_EQ(WaitingPaths(channel->Regular), std::vector<std::string>{ServedFolder() + "song.mp3"});
    ASSERT_EQ(Notices().size(), 1u);
    EXPECT_NE(Notices()[0], NotFound("song.mp3"));
}

TEST_F(DispatchTest, AVirtualListFindsAFileOfAnyListThroughAnyTrigger) {
    ThreeLists();
    Say("bob", "!movies novel.pdf");
    EXPECT_EQ(Notices(), std::vector<std::string>{NotFound("novel.pdf")});
    EXPECT_EQ(Queued(), 0u);

    config->VirtualList = 1;
    host.Executed.clear();
    Say("bob", "!movies novel.pdf");
    EXPECT_EQ(WaitingPaths(channel->Regular), std::vector<std::string>{ServedFolder() + "novel.pdf"});
}

TEST_F(DispatchTest, AVirtualListSkipsListsThisWindowMayNotUse) {
    ThreeLists();
    config->VirtualList = 1;
    config->FileListLinks.Tail->AccessMode = kQueryWindowOnly;
    Say("bob", "!movies novel.pdf");
    EXPECT_EQ(Notices(), std::vector<std::string>{NotFound("novel.pdf")});
    EXPECT_EQ(Queued(), 0u);
}

TEST_F(DispatchTest, AListForTheChannelWindowRefusesAQueryAndTheNextListIsTried) {
    ThreeLists("!movies");
    ListNames(music, {"film.avi"});
    config->FileListLinks.Head->AccessMode = kChannelWindowOnly;
    EXPECT_EQ(Say("bob", "!movies film.avi", true), 1);
    EXPECT_EQ(Notices()[0], "For this list, I only accept requests in channel window.");
    EXPECT_EQ(Queued(), 1u);
}

TEST_F(DispatchTest, AListForTheQueryWindowRefusesTheChannelAndAnUnknownModeRefusesBoth) {
    ThreeLists();
    config->FileListLinks.Head->AccessMode = kQueryWindowOnly;
    Say("bob", "!movies film.avi");
    EXPECT_EQ(Notices(), std::vector<std::string>{"For this list, I only accept requests in query window."});
    config->FileListLinks.Head->AccessMode = 0;
    host.Executed.clear();
    Say("bob", "!movies film.avi", true);
    EXPECT_EQ(Notices(), std::vector<std::string>{"Currently I don't accept requests from this list."});
    EXPECT_EQ(Queued(), 0u);
}

TEST_F(DispatchTest, AQueryRequestIsAnsweredAndItsWindowClosedLast) {
    ThreeLists();
    EXPECT_EQ(Say("bob", "!movies film.avi", true), 1);
    EXPECT_EQ(Queued(), 1u);
    ASSERT_FALSE(host.Executed.empty());
    EXPECT_EQ(host.Executed.back(), "/close -m bob");
    host.Executed.clear();
    Say("bob", "!movies film.avi");
    for (const std::string& command : host.Executed) EXPECT_EQ(command.find("/close"), std::string::npos);
}

TEST_F(DispatchTest, OnAnotherConnectionTheQueryIsClosedThere) {
    host.Answer("$scid(3).$me", "Server");
    host.Answer("$scid(3).network", "TestNet");
    ServedChannel* other = OpenServedChannel(state, 3, "#files");
    ASSERT_NE(other, nullptr);
    std::string channelText = "#files", nick = "bob", message = "@Server-help";
    TextEvent event{3, &channelText[0], &nick[0], &message[0], 0, 1};
    EXPECT_EQ(DispatchTrigger(state, other, event), 1);
    EXPECT_EQ(host.Executed.back(), "/scid 3 /close -m bob");
}

TEST_F(DispatchTest, WhenNotServingFileAndListTriggersAreToldSoAndStockTriggersAreSwallowed) {
    ThreeLists();
    config->Serve = 0;
    EXPECT_EQ(Say("bob", "!movies film.avi"), 1);
    EXPECT_EQ(Say("bob", "@movies"), 1);
    EXPECT_EQ(Notices(), std::vector<std::string>(2, kNotServing));
    EXPECT_EQ(Queued() + state.ListQueue.Waiting.Count, 0u);
    host.Executed.clear();
    for (const char* word : {"@Server-que", "@Server-help", "@Server-remove", "@find x"})
        EXPECT_EQ(Say("bob", word), 1) << word;
    EXPECT_TRUE(host.Executed.empty());
}

TEST_F(DispatchTest, AFileTriggerWithoutANameIsSwallowedSilently) {
    ThreeLists();
    EXPECT_EQ(Say("bob", "!movies"), 1);
    EXPECT_EQ(Say("bob", "!movies    "), 1);
    EXPECT_TRUE(host.Executed.empty());
}

TEST_F(DispatchTest, TheFileNameIsTheTrimmedRestOfTheLine) {
    ThreeLists();
    Say("bob", "!MOVIES   film.avi \r\n");
    EXPECT_EQ(WaitingPaths(channel->Regular), std::vector<std::string>{ServedFolder() + "film.avi"});
}

TEST_F(DispatchTest, IgnoredNicksGetNothingAtAllWhateverOtherGroupsTheyAreIn) {
    ThreeLists();
    SelectGroup(AddGroup("friends", {"bob"}));
    SelectGroup(AddGroup("pests", {"Ann", "BOB"}))->Ignored = 1;
    EXPECT_EQ(Say("bob", "!movies film.avi", true), 0);
    EXPECT_EQ(Say("ann", "@Server-help", true), 0);
    EXPECT_TRUE(host.Executed.empty());
    EXPECT_TRUE(host.Evaluated.empty());
    EXPECT_EQ(Say("carl", "!movies film.avi"), 1);
}

TEST_F(DispatchTest, StockTriggersAreRecognisedByTheirBeginningOnlyWhileSwitchedOn) {
    EXPECT_EQ(Say("bob", "@server-queue and more words"), 1);
    EXPECT_EQ(Say("bob", "@Server-toplist"), 1);
    EXPECT_EQ(Say("bob", "@Server-stats"), 1);
    EXPECT_EQ(Say("bob", "@Server-list"), 1);
    EXPECT_EQ(Say("bob", "@Server-remove film.avi"), 1);
    EXPECT_EQ(Say("bob", "@Other-que"), 0);
    EXPECT_EQ(Say("bob", "x@Server-que"), 0);
    config->EnableQueue = 0;
    config->EnableHelp = 0;
    config->EnableTopList = 0;
    config->EnableStat = 0;
    config->EnableList = 0;
    for (const char* word : {"@Server-que", "@Server-help", "@Server-top", "@Server-stat", "@Server-list"})
        EXPECT_EQ(Say("bob", word), 0) << word;
    EXPECT_EQ(Say("bob", "@Server-NoResend"), 1);
}

TEST_F(DispatchTest, AStockTriggerInAQueryClosesTheWindow) {
    EXPECT_EQ(Say("bob", "@Server-help", true), 1);
    EXPECT_EQ(host.Executed.back(), "/close -m bob");
    EXPECT_EQ(Messages().size(), 8u) << "answered before the window closes";
}

TEST_F(DispatchTest, SearchTriggersAreTakenOnlyWhileSearchIsOn) {
    EXPECT_EQ(Say("bob", "@FIND some words", true), 1);
    EXPECT_EQ(host.Executed, std::vector<std::string>{"/close -m bob"});
    AppendName(config->SearchTriggers, "!seek");
    EXPECT_EQ(Say("bob", "!seek"), 1);
    for (uint32_t cap : {0u, 0xFFFFFFFFu}) {  // stored signed: -1 is "less than 0" too
        config->MaxFindResult = cap;
        EXPECT_EQ(Say("bob", "@find words"), 0) << cap;
    }
    config->MaxFindResult = 5;
    config->FileSearchEnabled = 0;
    EXPECT_EQ(Say("bob", "@find words"), 0);
}

TEST_F(DispatchTest, AdvertisementTriggersAreTakenWithoutClosingTheQuery) {
    AdGroup* group = NewRecord<AdGroup>();
    state.AdGroups.PushBack(group);
    AdGroupSelection* selection = NewRecord<AdGroupSelection>();
    selection->Group = group;
    selection->Trigger.Set("!ads");
    selection->Enable = 1;
    selection->DisplayWhen = 1;
    config->AdGroupLinks.PushBack(selection);
    EXPECT_EQ(Say("bob", "!ads", true), 0);
    selection->DisplayWhen = 2;
    EXPECT_EQ(Say("bob", "!ADS", true), 1);
    EXPECT_TRUE(host.Executed.empty());
    selection->Enable = 0;
    EXPECT_EQ(Say("bob", "!ads"), 0);
}

TEST_F(DispatchTest, AListWithoutTriggersDoesNotAnswerLinesStartingWithABlank) {
    FileList* bare = AddList("Bare", nullptr);
    ListNames(bare, {"hello"});
    ServeFile("hello");
    bare->ListTrigger.Set("");
    EXPECT_EQ(Say("bob", " hello"), 0);
    EXPECT_EQ(Say("bob", ""), 0);
    EXPECT_TRUE(host.Executed.empty());
    EXPECT_EQ(state.ListQueue.Waiting.Count + Queued(), 0u);
}

TEST_F(DispatchTest, TheStatusIsAskedOfTheScriptForTheRequestersChannel) {
    ThreeLists();
    Say("bob", "!movies film.avi");
    EXPECT_EQ(host.Evaluated[0], "$GetOpStatus(0 ,#files,bob)");
    EXPECT_EQ(host.Evaluated[1], "$GetVoiceStatus(0,#files,bob)");
}

}  // namespace
}  // namespace qvs
