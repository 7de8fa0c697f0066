// Lines no user should send: empty, blank, huge, full of control or high
// bytes, absurd names and nicks. Each gets its designed answer or silence.
#include "requests_fixture.h"

namespace qvs {
namespace {

class BadInputTest : public RequestsTest {
protected:
    BadInputTest() {
        list = AddList("Movies", "!get", "@movies");
        ListNames(list, {"film.avi"});
        ServeFile("film.avi");
    }
    uint32_t Queued() const {
        return channel->Regular.Waiting.Count + config->Small.Waiting.Count + config->OpVoice.Waiting.Count +
               state.ListQueue.Waiting.Count;
    }
    FileList* list = nullptr;
};

TEST_F(BadInputTest, EmptyAndBlankLinesAreNoTriggers) {
    for (const char* line : {"", " ", "      ", "\r\n", "\x06\x06"}) EXPECT_EQ(Say("bob", line), 0);
    EXPECT_TRUE(host.Executed.empty());
}

TEST_F(BadInputTest, AHugeLineIsCutAndAnsweredWithinTheHostLinkLimit) {
    std::string huge = "!get " + std::string(8000, 'a');
    EXPECT_EQ(Say("bob", huge), 1);
    ASSERT_EQ(Notices().size(), 1u);
    EXPECT_LT(host.Executed[0].size(), 1024u);
    EXPECT_EQ(Queued(), 0u);
    EXPECT_EQ(Say("bob", std::string(8000, '@')), 0);
}

TEST_F(BadInputTest, ControlAndHighBytesNeverFindAFile) {
    std::string controls;
    for (int c = 1; c < 32; ++c) controls += static_cast<char>(c);
    std::string high;
    for (int c = 128; c < 256; ++c) high += static_cast<char>(c);
    // Listed literally, the control bytes still do not make a servable name.
    ListNames(list, {"a" + controls + "b", high});
    EXPECT_EQ(Say("bob", "!get a" + controls + "b"), 1);
    EXPECT_EQ(Say("bob", "!get " + high), 1);
    EXPECT_EQ(Say("bob", controls + high), 0);
    EXPECT_EQ(Queued(), 0u);
    EXPECT_EQ(Notices().size(), 2u);
}

TEST_F(BadInputTest, HighBytesInAListedNameOfAFileOnDiskAreServed) {
    const std::string name = "caf\xE9 \xFF.txt";
    ListNames(list, {name});
    ServeFile(name);
    Say("bob", "!get " + name);
    EXPECT_EQ(Queued(), 1u);
}

TEST_F(BadInputTest, AFileNameOfTwoThousandCharactersIsNotFound) {
    std::string name(2000, 'n');
    ListNames(list, {name});
    EXPECT_EQ(Say("bob", "!get " + name), 1);
    EXPECT_EQ(Queued(), 0u);
    ASSERT_EQ(Notices().size(), 1u);
    EXPECT_EQ(Notices()[0].find(Escaped(R"(: \x032,15Sorry, but)")), 0u);
}

TEST_F(BadInputTest, NamesThatClimbOutOfTheServedFoldersAreNotFound) {
    // A real file beside the served folder that a path could reach.
    WriteFile(scratch.Path() + "\\secret.txt", "password");
    ListNames(list, {"..\\secret.txt", "../secret.txt", "..", "C:\\secret.txt"});
    for (const char* name : {"..\\secret.txt", "../secret.txt", "..", "C:\\secret.txt"}) {
        host.Executed.clear();
        EXPECT_EQ(Say("bob", std::string("!get ") + name), 1) << name;
        EXPECT_EQ(Notices().size(), 1u) << name;
    }
    EXPECT_EQ(Queued(), 0u);
}

// A lone "|" would split every command it is placed in; inside a nick it is
// an ordinary character.
TEST_F(BadInputTest, NicksNoMessageCouldReachAreIgnored) {
    for (const std::string& nick : {std::string(), std::string(300, 'n'), std::string("two words"),
                                    std::string("a$b"), std::string("a\x01"), std::string("|")}) {
        EXPECT_EQ(Say(nick, "!get film.avi"), 0);
        EXPECT_EQ(Say(nick, "@movies", true), 0);
    }
    EXPECT_TRUE(host.Executed.empty());
    EXPECT_EQ(Queued(), 0u);
    EXPECT_EQ(Say("Joe|away", "!get film.avi", true), 1);
    EXPECT_EQ(Queued(), 1u);
    EXPECT_EQ(host.Executed.back(), "/close -m Joe|away");
}

TEST_F(BadInputTest, ListFilesMissingEmptyOrWithoutLineEndsAnswerNotFound) {
    for (const std::string& body : {std::string(), std::string("!get film.av"), std::string(100000, '!')}) {
        WriteListFile(list, body);
        host.Executed.clear();
        EXPECT_EQ(Say("bob", "!get film.avi"), 1);
        EXPECT_EQ(Notices().size(), 1u);
    }
    list->TrueListName.Set("missing");
    host.Executed.clear();
    Say("bob", "!get film.avi");
    EXPECT_EQ(Notices().size(), 1u);
    EXPECT_EQ(Queued(), 0u);
}

TEST_F(BadInputTest, AListedFileThatVanishedFromDiskIsNotFound) {
    ListNames(list, {"film.avi", "ghost.avi"});
    EXPECT_EQ(Say("bob", "!get ghost.avi"), 1);
    EXPECT_EQ(Notices().size(), 1u);
    EXPECT_EQ(Queued(), 0u);
}

}  // namespace
}  // namespace qvs
