// The simulated host's portable parts: what the Wine scenarios are worth
// depends on hostsim reading them and answering the module as described.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "host_model.h"
#include "scenario.h"
#include "send_commands.h"
#include "step_words.h"

namespace hostsim {
namespace {

std::string Answer(const HostModel& model, const std::string& identifier) {
    std::string value = "<refused>";
    return model.Evaluate(identifier, value) ? value : "<refused>";
}

std::vector<Step> Read(const std::string& text) {
    char path[] = "/tmp/hostsim-scenario-XXXXXX";
    int fd = mkstemp(path);
    if (fd >= 0) close(fd);
    std::ofstream(path) << text;
    std::vector<Step> steps;
    std::string error;
    EXPECT_TRUE(ReadScenario(path, steps, error)) << error;
    std::remove(path);
    return steps;
}

class HostModelTest : public ::testing::Test {
protected:
    void SetUp() override {
        model.Connect(1, "EFnet", "Server");
        model.Connect(2, "Undernet", "Other");
        model.Join(1, "#files");
        model.Join(1, "#chat");
        model.SetUser(1, "#files", "bob", true, false);
        model.SetUser(1, "#files", "ann", false, true);
        model.SetUser(1, "#chat", "Bob", false, false);
    }
    HostModel model;
};

TEST(ScenarioTest, WordsQuotesEscapesAndRepeats) {
    std::vector<Step> steps = Read(
        "# a comment\n"
        "text 1 #c bob \"two  words\" \"\" \\x41\\\\ \\\"q\\\" {3*ab}\r\n"
        "\n"
        "expect-file QVS\\Channel.dat\n");
    ASSERT_EQ(steps.size(), 3u);
    EXPECT_TRUE(steps[0].Comment);
    const Step& text = steps[1];
    EXPECT_FALSE(text.Comment);
    EXPECT_EQ(text.Line, 2);
    ASSERT_EQ(text.Words.size(), 9u);
    EXPECT_EQ(text.Words[4], "two  words");
    EXPECT_EQ(text.Words[5], "");
    EXPECT_EQ(text.Words[6], "A\\");
    EXPECT_EQ(text.Words[7], "\"q\"");
    EXPECT_EQ(text.Words[8], "ababab");
    EXPECT_EQ(steps[2].Words[1], "QVS\\Channel.dat");
}

TEST(ScenarioTest, TheRestOfALineKeepsItsBlanks) {
    std::vector<Step> steps = Read("text 1 #c bob  hello   there  \nanswer $me \"\"\nanswer $me \"a b\" c\n");
    ASSERT_EQ(steps.size(), 3u);
    EXPECT_EQ(steps[0].Rest(4), "hello   there");
    EXPECT_EQ(steps[1].Rest(2), "");
    EXPECT_EQ(steps[2].Rest(2), "\"a b\" c");
    EXPECT_EQ(steps[0].Rest(9), "");
}

TEST(ScenarioTest, RepeatsAreBoundedAndOnlyWellFormedOnesExpand) {
    EXPECT_EQ(Unescape("{2*xy}z"), "xyxyz");
    EXPECT_EQ(Unescape("{*x}"), "{*x}");
    EXPECT_EQ(Unescape("{a*x}"), "{a*x}");
    EXPECT_EQ(Unescape("{99999999*x}"), "{99999999*x}");
    EXPECT_EQ(Unescape("\\x4"), "\\x4");
    EXPECT_EQ(Unescape("trailing\\"), "trailing\\");
}

TEST(StepWordsTest, NumbersAndMatches) {
    uint32_t value = 0;
    EXPECT_TRUE(ParseUnsigned("4294967295", value));
    EXPECT_EQ(value, 4294967295u);
    EXPECT_FALSE(ParseUnsigned("4294967296", value));
    EXPECT_FALSE(ParseUnsigned("-1", value));
    EXPECT_FALSE(ParseUnsigned("", value));
    int position = 0;
    EXPECT_TRUE(ParseSigned("-120", position));
    EXPECT_EQ(position, -120);
    EXPECT_TRUE(Matches("/notice bob hi", "/notice bob hi"));
    EXPECT_TRUE(Matches("/notice bob hi", "/notice bob*"));
    EXPECT_FALSE(Matches("/notice bob hi", "/notice bob"));
    EXPECT_FALSE(Matches("/notice", "/notice bob*"));
}

TEST_F(HostModelTest, OwnNickAndNetworkPerConnectionAndForTheActiveOne) {
    EXPECT_EQ(Answer(model, "$me"), "Server");
    EXPECT_EQ(Answer(model, "$network"), "EFnet");
    EXPECT_EQ(Answer(model, "$scid(2).$me"), "Other");
    EXPECT_EQ(Answer(model, "$scid(2).network"), "Undernet");
    EXPECT_EQ(Answer(model, "$scid(3).network"), "<refused>");
    EXPECT_EQ(Answer(model, "$scid(0).network"), "<refused>");
    model.SetOwnNick(2, "Renamed");
    EXPECT_EQ(Answer(model, "$scid(2).$me"), "Renamed");
    model.Disconnect(1);
    EXPECT_EQ(Answer(model, "$me"), "Renamed");
}

TEST_F(HostModelTest, ChannelsSharedAndModesAsTheCompanionScriptTellsThem) {
    EXPECT_EQ(Answer(model, "$GetComChan(1, bob)"), "2");
    EXPECT_EQ(Answer(model, "$GetComChan(1, nobody)"), "0");
    EXPECT_EQ(Answer(model, "$GetComChan(2, bob)"), "0");
    EXPECT_EQ(Answer(model, "$GetOpStatus(1 ,#files,bob)"), "1");
    EXPECT_EQ(Answer(model, "$GetOpStatus(1 ,#FILES,BOB)"), "1");
    EXPECT_EQ(Answer(model, "$GetOpStatus(1 ,#files,ann)"), "");
    EXPECT_EQ(Answer(model, "$GetVoiceStatus(1,#files,ann)"), "1");
    EXPECT_EQ(Answer(model, "$GetVoiceStatus(1,#chat,bob)"), "");
    EXPECT_EQ(Answer(model, "$GetNickCount(1,#files)"), "3");
    EXPECT_EQ(Answer(model, "$GetNick(1,#files,1)"), "Server");
    EXPECT_EQ(Answer(model, "$GetNick(1,#files,3)"), "ann");
    EXPECT_EQ(Answer(model, "$GetNick(1,#files,4)"), "");
    model.RemoveUser(1, "#chat", "bob");
    EXPECT_EQ(Answer(model, "$GetComChan(1, bob)"), "1");
    model.Part(1, "#files");
    EXPECT_EQ(Answer(model, "$GetComChan(1, bob)"), "0");
}

TEST_F(HostModelTest, RunningSendsByNickAndByNumber) {
    model.StartSend(RunningSend{1, "bob", "C:\\shared\\a.txt", 1200});
    model.StartSend(RunningSend{2, "bob", "C:\\other\\b.txt", 10});
    model.StartSend(RunningSend{1, "bob", "C:\\shared\\sub\\c.txt", 300});
    EXPECT_EQ(Answer(model, "$GetSendCountPerNick(1,bob)"), "2");
    EXPECT_EQ(Answer(model, "$GetSendPathName(1, bob,2)"), "C:\\shared\\sub\\");
    EXPECT_EQ(Answer(model, "$GetSendFileName(1 ,bob,2)"), "c.txt");
    EXPECT_EQ(Answer(model, "$GetSendCpsForNick(1,bob,1)"), "1200");
    EXPECT_EQ(Answer(model, "$GetSendFileName(1 ,bob,3)"), "");
    EXPECT_EQ(Answer(model, "$send(0)"), "3");
    EXPECT_EQ(Answer(model, "$send(2)"), "bob");
    EXPECT_EQ(Answer(model, "$send(2).cps"), "10");
    EXPECT_EQ(Answer(model, "$send(2).file"), "C:\\other\\b.txt");
    EXPECT_EQ(Answer(model, "$send(2).cid"), "2");
    EXPECT_EQ(Answer(model, "$send(4)"), "");
    model.RenameUser(1, "bob", "robert");
    EXPECT_EQ(Answer(model, "$GetSendCountPerNick(1,robert)"), "2");
    EXPECT_EQ(Answer(model, "$GetSendCountPerNick(2,bob)"), "1");
    EXPECT_TRUE(model.EndSend(1, "ROBERT", "c:\\shared\\a.txt"));
    EXPECT_FALSE(model.EndSend(1, "robert", "C:\\shared\\a.txt"));
    EXPECT_EQ(Answer(model, "$GetSendCountPerNick(1,robert)"), "1");
}

TEST_F(HostModelTest, ClockOverridesAndRefusals) {
    model.SetCtime(1000000);
    EXPECT_EQ(Answer(model, "$ctime"), "1000000");
    EXPECT_EQ(Answer(model, "$GetMinute(999880)"), "2");
    EXPECT_EQ(Answer(model, "$GetMinute(x)"), "0");
    EXPECT_EQ(Answer(model, "$unknown"), "<refused>");
    EXPECT_EQ(Answer(model, "me"), "<refused>");
    EXPECT_EQ(Answer(model, "$GetComChan(1, bob"), "<refused>");
    model.Override("$me", std::string(3000, 'x'));
    EXPECT_EQ(Answer(model, "$me").size(), 3000u);
    model.Refuse("$me");
    EXPECT_EQ(Answer(model, "$me"), "<refused>");
    model.Override("$me", "back");
    EXPECT_EQ(Answer(model, "$me"), "back");
}

TEST(SendCommandsTest, TheFourSendAliasesStartSends) {
    HostModel model;
    NoteSendCommand(model, "/SendFile 1 bob C:\\shared\\a file.txt");
    NoteSendCommand(model, "/SendFileLimit 2 50 ann C:\\b.txt");
    NoteSendCommand(model, "/SendFileAlternate 3 cid 59 C:\\c.txt");
    NoteSendCommand(model, "/scid 4 /SendFileAlternateLimit 4 20 dan 59 C:\\d.txt");
    NoteSendCommand(model, "/notice bob /SendFile 1 bob C:\\x.txt");
    NoteSendCommand(model, "/SendFile 1 bob");
    ASSERT_EQ(model.SendCount(), 4u);
    EXPECT_EQ(Answer(model, "$send(1).file"), "C:\\shared\\a file.txt");
    EXPECT_EQ(Answer(model, "$send(2)"), "ann");
    EXPECT_EQ(Answer(model, "$send(2).cid"), "2");
    EXPECT_EQ(Answer(model, "$send(3)"), "cid");
    EXPECT_EQ(Answer(model, "$send(3).file"), "C:\\c.txt");
    EXPECT_EQ(Answer(model, "$send(4)"), "dan");
    EXPECT_EQ(Answer(model, "$send(4).file"), "C:\\d.txt");
}

}  // namespace
}  // namespace hostsim
