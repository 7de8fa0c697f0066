// Keyword search over the list files of a channel's lists: keywords, the
// key, matching lines, counts, the cap over all lists, the answers, and
// list files and queries that are broken or hostile.
#include "requests_fixture.h"

#include <fstream>
#include <sstream>

#include "requests/search_keywords.h"

namespace qvs {
namespace {

std::string Summary(int count, const std::string& query, const std::string& list, const std::string& trigger) {
    return Escaped(R"(\x038,12I have \x02)" + std::to_string(count) + R"(\x02 match(es) for \x02)" + query +
                   R"(\x02 in listfile:\x02 )" + list + R"(\x02. Type \x02)" + trigger +
                   R"(\x02 to obtain the whole list\x03)");
}

std::string NoMatch(const std::string& query) {
    return Escaped(R"(\x030,4No match found for \x02)") + query + Escaped(R"(\x02\x03)");
}

// List bodies as the list writer lays them out: a header, a folder line,
// then trigger, blank, name and the size column, CR LF after each line.
std::string ListBody(const std::string& trigger, const std::vector<std::string>& names) {
    std::string body = "Header: star trek collection\r\n\r\n[ Contents of C:\\shared\\ ]\r\n";
    for (const std::string& name : names) body += trigger + " " + name + "     -  1.2 KB\r\n";
    return body;
}

std::string Line(const std::string& trigger, const std::string& name) { return trigger + " " + name + "     -  1.2 KB"; }

TEST(SearchKeywordsTest, TheKeyIsTheLastOfTheLongestWords) {
    struct Case {
        const char* Query;
        std::string Key;
        std::vector<std::string> Others;
    } cases[] = {
        {"star trek", "trek", {"star"}},
        {"trek stars", "stars", {"trek"}},
        {"  a   bb  cc ", "cc", {"a", "bb"}},
        {"\"star*trek's\"", "trek", {"star"}},  // "s" lies inside "star"
        {"a\tb c", "a\tb", {"c"}},
        {"**  ''\"", "", {}},
        {"", "", {}},
        {"mp3 x MP3 mp3 Mp3", "mp3", {"x"}},  // repeats in any case count once
        {"ab AB", "ab", {}},
        // a piece of the key or of another keyword, in any case, asks nothing more
        {"Tre star trek ST e", "trek", {"star"}},
        {"ar 1 STAR x1 X trek", "trek", {"STAR", "x1"}},
        {"ek rek trek", "trek", {}},
        {"a b", "b", {"a"}},
    };
    for (const Case& c : cases) {
        SearchKeywords keywords = SplitKeywords(c.Query);
        EXPECT_EQ(keywords.Key, c.Key) << c.Query;
        EXPECT_EQ(keywords.Others, c.Others) << c.Query;
    }
}

class SearchTest : public RequestsTest {
protected:
    SearchTest() {
        AppendName(config->SearchTriggers, "@find");
        scifi = AddList("KM-SciFi", "!srv", "@scifi");
        WriteListFile(scifi, ListBody("!srv", {"Star.Trek.1.avi", "trek only.avi", "Star Wars.avi",
                                               "STAR TREK 2.mkv", "star trek trek trek.avi"}));
    }
    FileList* scifi = nullptr;
};

TEST_F(SearchTest, LinesHoldingEveryKeywordAreCountedAndSentAfterTheirListsSummary) {
    EXPECT_EQ(Say("bob", "@find star TREK"), 1);
    EXPECT_EQ(Messages(), (std::vector<std::string>{Summary(3, "star TREK", "KM-SciFi", "@scifi"),
                                                    Line("!srv", "Star.Trek.1.avi"), Line("!srv", "STAR TREK 2.mkv"),
                                                    Line("!srv", "star trek trek trek.avi")}));
    EXPECT_TRUE(Notices().empty());

    config->SearchDisplayMethod = 0;
    host.Executed.clear();
    Say("bob", "@find wars");
    EXPECT_EQ(Notices(), (std::vector<std::string>{Summary(1, "wars", "KM-SciFi", "@scifi"),
                                                   Line("!srv", "Star Wars.avi")}));
}

TEST_F(SearchTest, TheCapCoversAllListsButEveryListWithMatchesHasItsSummary) {
    FileList* second = AddList("More", "!more", "@more");
    WriteListFile(scifi, ListBody("!srv", {"a1 x", "a2 x", "a3 x", "a4 x"}));
    WriteListFile(second, ListBody("!more", {"b1 x", "b2 x", "b3 x", "b4 x", "b5 x", "b6 x"}));
    Say("bob", "@find x");
    EXPECT_EQ(Messages(), (std::vector<std::string>{Summary(4, "x", "KM-SciFi", "@scifi"), Line("!srv", "a1 x"),
                                                    Line("!srv", "a2 x"), Line("!srv", "a3 x"), Line("!srv", "a4 x"),
                                                    Summary(6, "x", "More", "@more"), Line("!more", "b1 x")}));

    config->MaxFindResult = 2;
    host.Executed.clear();
    Say("bob", "@find x");
    EXPECT_EQ(Messages(), (std::vector<std::string>{Summary(4, "x", "KM-SciFi", "@scifi"), Line("!srv", "a1 x"),
                                                    Line("!srv", "a2 x"), Summary(6, "x", "More", "@more")}));
}

TEST_F(SearchTest, OnlyFileLinesMatchAndTheTriggerMayHoldAKeyword) {
    struct Case {
        const char* Line;
        int Count;
    } cases[] = {
        {"@find srv trek", 3},          // srv is in every file line's trigger
        {"@find collection star", 0},   // only the header holds it
        {"@find !SRV", 5},
        {"@find \xC9toile", 0},         // accented letters compare exactly
        {"@find \xE9TOILE", 1},
    };
    WriteListFile(scifi, ListBody("!srv", {"Star.Trek.1.avi", "trek only.avi", "Star Wars.avi", "STAR TREK 2.mkv",
                                           "\xE9toile.avi"}) + "x !srv trek is no file line\r\n");
    for (const Case& c : cases) {
        host.Executed.clear();
        Say("bob", c.Line);
        if (c.Count == 0) {
            EXPECT_TRUE(Messages().empty()) << c.Line;
            continue;
        }
        ASSERT_FALSE(Messages().empty()) << c.Line;
        EXPECT_EQ(Messages()[0].find(Escaped(R"(I have \x02)") + std::to_string(c.Count) + "\x02"), 5u) << c.Line;
    }
}

// A query of many keywords, repeated or distinct, asks the same of a line
// as its distinct keywords do.
TEST_F(SearchTest, ManyKeywordsStillMeanEveryKeyword) {
    std::string repeated = "collection", pieces = "title", missing = pieces;
    for (int i = 0; i < 97; ++i) repeated += " mp3";
    const std::string common = "!srv Some Artist - Track Title.mp3";
    for (std::size_t length = 1; length <= 3; ++length)
        for (std::size_t at = 0; at + length <= common.size(); ++at)
            if (common.compare(at, length, " ") != 0 && common.find(' ', at) >= at + length)
                pieces += " " + common.substr(at, length);
    missing += pieces + " absent";
    WriteListFile(scifi, ListBody("!srv", {"Some Artist - Track Title.mp3", "Collection 1.mp3", "collection.avi",
                                           "Collection 2.MP3"}));
    const struct {
        std::string Query;
        int Count;
    } cases[] = {{repeated, 2}, {pieces, 1}, {missing, 0}};
    for (const auto& c : cases) {
        host.Executed.clear();
        Say("bob", "@find " + c.Query);
        if (c.Count == 0) {
            EXPECT_TRUE(Messages().empty());
            continue;
        }
        ASSERT_FALSE(Messages().empty()) << c.Query;
        EXPECT_EQ(Messages()[0].find(Escaped(R"(I have \x02)") + std::to_string(c.Count) + "\x02"), 5u) << c.Query;
    }
}

TEST_F(SearchTest, NothingFoundIsToldOnlyWhenAskedAndAlwaysByNotice) {
    struct Case {
        const char* Line;
        uint32_t Notify;
        std::vector<std::string> Notices;
    } cases[] = {
        {"@find nothing", 0, {}},
        {"@find nothing here", 1, {NoMatch("nothing here")}},
        {"@find **", 1, {NoMatch("**")}},
        {"@find ' \"", 1, {NoMatch("' \"")}},
        {"@find", 1, {}},
        {"@find    ", 1, {}},
    };
    for (const Case& c : cases) {
        config->NotifyIfNoResult = c.Notify;
        host.Executed.clear();
        EXPECT_EQ(Say("bob", c.Line), 1) << c.Line;
        EXPECT_EQ(Notices(), c.Notices) << c.Line;
        EXPECT_TRUE(Messages().empty()) << c.Line;
    }
}

TEST_F(SearchTest, AQueryShorterThanTheLimitGetsNoAnswer) {
    config->NotifyIfNoResult = 1;
    config->UseSearchLengthLimit = 1;
    config->SearchLimit = 3;
    EXPECT_EQ(Say("bob", "@find zz"), 1);
    EXPECT_TRUE(host.Executed.empty());
    Say("bob", "@find zzz");
    EXPECT_EQ(Notices(), std::vector<std::string>{NoMatch("zzz")});
}

TEST_F(SearchTest, BrokenListFilesArePassedOverAndNoOtherFileIsRead) {
    FileList* missing = AddList("Missing", "!srv", "@missing");
    missing->TrueListName.Set("Missing-20260307");
    FileList* never = AddList("Never", "!srv", "@never");
    FileList* empty = AddList("Empty", "!srv", "@empty");
    WriteListFile(empty, "");
    FileList* bare = AddList("Bare", "!srv", "@bare");
    WriteListFile(bare, "!srv a trek\n!srv b trek\n!srv c trek");
    FileList* outside = AddList("Outside", "!srv", "@outside");
    WriteFile(ServedFolder() + "secret.txt", "!srv secret trek\r\n");
    outside->TrueListName.Set("served\\secret");
    FileList* zipped = AddList("Zipped", "!srv", "@zipped");
    WriteListFile(zipped, "!srv z trek");
    zipped->Zipped = 1;
    scifi->TrueListName.Set("");
    (void)never;

    Say("bob", "@find trek");
    EXPECT_EQ(Messages(), (std::vector<std::string>{Summary(3, "trek", "Bare", "@bare"), "!srv a trek",
                                                    "!srv b trek", "!srv c trek",
                                                    Summary(1, "trek", "Zipped", "@zipped"), "!srv z trek"}));
}

TEST_F(SearchTest, ALongLineIsCutAndTheSearchGoesOn) {
    std::string longName(5000, 'n');
    WriteListFile(scifi, ListBody("!srv", {longName + " trek", "short trek"}));
    Say("bob", "@find trek");
    ASSERT_EQ(Messages().size(), 3u);
    EXPECT_EQ(Messages()[1].size(), 1023u - std::string("/msg bob ").size()) << "cut where a message ends";
    EXPECT_EQ(Messages()[2], Line("!srv", "short trek"));
}

TEST_F(SearchTest, TheQueryIsLoggedAsOneLine) {
    state.Link.CommandLogging = true;
    Say("bob", "@find star\rtrek");
    std::ifstream log(PosixFiles::Native(ConfigPath("qvs.log")), std::ios::binary);
    std::stringstream text;
    text << log.rdbuf();
    EXPECT_EQ(text.str().substr(0, 32), "03-07-2026  09:05:03 star trek\r\n");
}

// Nothing of a query reaches the host as anything but plain text, whatever
// its bytes, length or word count.
TEST_F(SearchTest, HostileQueriesAreAnsweredAsPlainTextOrNotAtAll) {
    config->NotifyIfNoResult = 1;
    std::string controls, high, many, huge(4000, 'q');
    for (int c = 1; c < 32; ++c) controls += static_cast<char>(c);
    for (int c = 128; c < 256; ++c) high += static_cast<char>(c);
    for (int i = 0; i < 400; ++i) many += "w" + std::to_string(i) + " ";
    const std::string queries[] = {controls, high, many, huge, "$me %var | /quit", "$+(a,b) $chr(124)"};
    for (const std::string& query : queries) {
        host.Executed.clear();
        host.Evaluated.clear();
        Say("bob", "@find " + query);
        for (const std::string& evaluated : host.Evaluated)
            EXPECT_EQ(evaluated.rfind("$GetComChan(", 0), 0u) << "evaluated " << evaluated;
        for (const std::string& command : host.Executed) {
            EXPECT_LE(command.size(), 1023u);
            EXPECT_EQ(command.find(" $"), std::string::npos) << command;
            EXPECT_EQ(command.find(" %"), std::string::npos) << command;
            EXPECT_EQ(command.find(" |"), std::string::npos) << command;
            EXPECT_EQ(command.find_first_of("\r\n"), std::string::npos);
        }
    }
}

}  // namespace
}  // namespace qvs
