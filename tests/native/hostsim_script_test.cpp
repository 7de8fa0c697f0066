// hostsim following the companion script itself: the script's answers and
// sends over a host that keeps dead send windows, moves no send on a nick
// change and reports a finished send without a nick now and then.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "script_follower.h"

namespace hostsim {
namespace {

std::string CompanionScript() {
    std::ifstream file(QVS_COMPANION_SCRIPT, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

struct IdentifierCase {
    const char* Identifier;
    const char* Value;
};

class CompanionScriptTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(script.Read(CompanionScript(), error)) << error;
        model.Connect(1, "EFnet", "Server");
        model.Connect(2, "IRCnet", "Other");
        model.Join(1, "#files");
        model.SetUser(1, "#files", "bob", true, false);
        model.SetUser(1, "#files", "ann", false, true);
        HostScriptWorld& world = script.World();
        world.IsFile = [](const std::string& path) { return path.find("missing") == std::string::npos; };
        world.Dll = [this](const std::string& file, const std::string& name, const std::string& data) {
            if (file.find("qvsrelay.dll") == std::string::npos) return std::string();
            relayed.push_back(name + " " + data);
            return std::string("1");
        };
    }
    std::string Answer(const std::string& identifier) {
        std::string value;
        return script.Evaluate(identifier, value) ? value : "<refused>";
    }
    HostModel model;
    ScriptFollower script{model};
    std::vector<std::string> relayed;
};

TEST_F(CompanionScriptTest, SendNumbersCountEveryWindowAsCloseDoesAndDeadOnesTellNothing) {
    model.Sends().Open(1, "bob", "C:\\files\\a.txt", 100);
    model.Sends().Open(2, "bob", "C:\\files\\x.txt", 5);
    model.Sends().Open(1, "bob", "C:\\files\\a.txt", 300);
    model.Sends().Open(1, "BOB", "C:\\files\\sub dir\\b c.txt", 700);
    ASSERT_TRUE(model.Sends().End(1, "bob", "C:\\files\\a.txt", false, 0, 0));
    const IdentifierCase cases[] = {
        {"$GetSendCountPerNick(1,bob)", "3"},
        {"$GetSendCountPerNick(2,Bob)", "1"},
        {"$GetSendCountPerNick(3,bob)", "0"},
        {"$GetSendCountPerNick(0,bob)", "3"},
        {"$GetSendFileName(1 ,bob,1)", ""},  // failed: its number stays, it tells nothing
        {"$GetSendPathName(1, bob,1)", ""},
        {"$GetSendCpsForNick(1,bob,1)", ""},
        {"$GetSendFileName(1 ,bob,2)", "a.txt"},
        {"$GetSendCpsForNick(1,bob,2)", "300"},
        {"$GetSendPathName(1, bob,3)", "C:\\files\\sub dir\\"},
        {"$GetSendFileName(1 ,bob,3)", "b c.txt"},
        {"$GetSendFileName(1 ,bob,4)", ""},
        {"$GetSendFileName(1 ,bob,x)", ""},
        {"$GetSendCountPerNick(1x,bob)", "0"},
    };
    for (const IdentifierCase& c : cases) EXPECT_EQ(Answer(c.Identifier), c.Value) << c.Identifier;
    script.Execute("/scid 1 /close -s2 bob");
    EXPECT_EQ(model.Sends().CountTo(1, "bob"), 2u);
    EXPECT_EQ(model.Sends().NthTo(1, "bob", 1)->Status, "failed") << "the module's number 2 was the live one";
    EXPECT_EQ(model.Sends().CountTo(2, "bob"), 1u) << "the other connection keeps its send";
}

TEST_F(CompanionScriptTest, ChannelAndClockAnswers) {
    model.SetCtime(1000000);
    const IdentifierCase cases[] = {
        {"$GetComChan(1, bob)", "1"},     {"$GetComChan(1, carol)", "0"},  {"$GetComChan(9, bob)", "0"},
        {"$GetOpStatus(1 ,#files,bob)", "1"}, {"$GetOpStatus(1 ,#files,ann)", ""},
        {"$GetVoiceStatus(1,#files,ann)", "1"}, {"$GetNickCount(1,#files)", "3"},
        {"$GetNick(1,#files,2)", "bob"},  {"$GetNick(1,#files,0)", ""},    {"$GetMinute(999880)", "2"},
        {"$GetMinute(2000000)", "0"},     {"$GetMinute(12x)", ""},
    };
    for (const IdentifierCase& c : cases) EXPECT_EQ(Answer(c.Identifier), c.Value) << c.Identifier;
}

TEST_F(CompanionScriptTest, SendAliasesStartMinimizedWindowsOrReportAFailureAtOnce) {
    const struct {
        const char* Command;
        const char* Ran;     // the script's dcc command, or "" for none
        const char* Relayed; // the relay line, or "" for none
    } cases[] = {
        {"/SendFile 1 bob C:\\files\\été 2.txt", "dcc send -m bob \"C:\\files\\été 2.txt\"", ""},
        {"/scid 1 /SendFileLimit 1 50 bob C:\\files\\a.txt", "dcc send -ml51200 bob \"C:\\files\\a.txt\"", ""},
        {"/SendFileAlternate 1 bob 59 C:\\files\\a.txt", "dcc send -m bob \"C:\\files\\a.txt\"", ""},
        {"/SendFileAlternateLimit 1 2 bob 59 C:\\files\\a.txt", "dcc send -ml2048 bob \"C:\\files\\a.txt\"", ""},
        {"/SendFile 1 bob C:\\files\\missing.txt", "", "SendFail 1 bob 0 0 C:\\files\\missing.txt"},
        {"/SendFile 1 #bob C:\\files\\a.txt", "", "SendFail 1 #bob 0 0 C:\\files\\a.txt"},
        {"/SendFile 7 bob C:\\files\\a.txt", "", "SendFail 7 bob 0 0 C:\\files\\a.txt"},
        {"/SendFile x bob C:\\files\\a.txt", "", ""},
    };
    for (const auto& c : cases) {
        script.World().Commands.clear();
        relayed.clear();
        script.Execute(c.Command);
        std::string ran;
        for (const std::string& command : script.World().Commands)
            if (command.rfind("dcc", 0) == 0) ran = command;
        EXPECT_EQ(ran, c.Ran) << c.Command;
        EXPECT_EQ(relayed.empty() ? "" : relayed.back(), std::string(c.Relayed)) << c.Command;
    }
    EXPECT_EQ(model.Sends().CountTo(1, "bob"), 4u);
    EXPECT_EQ(model.Sends().At(1)->File, "été 2.txt");
}

TEST_F(CompanionScriptTest, AnEndedSendIsReportedWithTheWindowsNickAndBytes) {
    model.Sends().Open(1, "bob", "C:\\files\\a.txt", 0);
    model.Sends().Open(1, "ann", "C:\\files\\a.txt", 0);
    model.Sends().End(1, "ann", "C:\\files\\a.txt", true, 4000, 50000);
    const struct {
        const char* Event;
        const char* Nick;
        const char* Line;
    } cases[] = {
        {"FILESENT", "ann", "SendComplete 1 ann 4000 50000 C:\\files\\a.txt"},
        {"FILESENT", "", "SendComplete 1 ann 4000 50000 C:\\files\\a.txt"},  // the latest window of that path
        {"SENDFAIL", "carol", "SendFail 1 carol 0 0 C:\\files\\a.txt"},      // no window of hers: no figures
    };
    for (const auto& c : cases) {
        relayed.clear();
        ASSERT_TRUE(script.RunEvent(c.Event, {{"nick", c.Nick}, {"filename", "C:\\files\\a.txt"}}, 1));
        ASSERT_EQ(relayed.size(), 1u) << c.Event << " " << c.Nick;
        EXPECT_EQ(relayed[0], c.Line);
    }
}

TEST_F(CompanionScriptTest, AReceiversNickChangeTakesHisSendsAlongOnlyOnThatConnection) {
    model.Sends().Open(1, "bob", "C:\\files\\a.txt", 0);
    model.Sends().Open(1, "bob", "C:\\files\\b.txt", 0);
    model.Sends().Open(2, "bob", "C:\\files\\c.txt", 0);
    model.RenameUser(1, "bob", "robert");
    ASSERT_TRUE(script.RunEvent("NICK", {{"nick", "bob"}, {"newnick", "robert"}}, 1));
    EXPECT_EQ(relayed, std::vector<std::string>{"NickChange 1 bob robert"});
    EXPECT_EQ(model.Sends().CountTo(1, "robert"), 2u);
    EXPECT_EQ(model.Sends().CountTo(1, "bob"), 0u);
    EXPECT_EQ(model.Sends().CountTo(2, "bob"), 1u);
    relayed.clear();
    model.SetOwnNick(1, "Server2");
    ASSERT_TRUE(script.RunEvent("NICK", {{"nick", "Server"}, {"newnick", "Server2"}}, 1));
    EXPECT_EQ(relayed, std::vector<std::string>{"OwnNick 1 Server2"});
    EXPECT_FALSE(script.Overran());
}

TEST(MrcEvaluatorTest, ConditionsArithmeticAndRunawayLoops) {
    MrcScript code;
    std::string error;
    ASSERT_TRUE(code.Read("alias t {\n  if ($1 == $2) return same\n  elseif ($1 isin $2) return in\n"
                          "  else { return $iif($calc(($1 - 1) * 2) > 5, big, small) }\n}\n"
                          "alias spin { var %i = 1\n  while (%i > 0) { inc %i }\n}\n"
                          "alias joined { return $1 $+ - $+ $2- }\n",
                          error))
        << error;
    struct World : ScriptWorld {
        bool Identifier(const std::string&, const std::vector<std::string>&, const std::string&, uint32_t,
                        std::string&) override {
            return false;
        }
        bool HasMode(const std::string&, const std::string&, const std::string&, uint32_t) override { return false; }
        void Command(const std::string&, const std::vector<std::string>&, uint32_t&) override {}
    } world;
    MrcEvaluator evaluator(code, world);
    const struct {
        const char* Text;
        const char* Value;
    } cases[] = {
        {"$t(A,a)", "same"}, {"$t(b,abc)", "in"}, {"$t(4,9)", "big"}, {"$t(2,9)", "small"},
        {"$t(10,010)", "same"},  // numbers compare as numbers
        {"$joined(a,b c)", "a-b c"}, {"$calc(7 % 4 + 10 / 4)", "5.5"}, {"$gettok(a b c,-1,32)", "c"},
    };
    for (const auto& c : cases) EXPECT_EQ(evaluator.Evaluate(c.Text, 1), c.Value) << c.Text;
    EXPECT_FALSE(evaluator.Overran());
    evaluator.Evaluate("$spin", 1);
    EXPECT_TRUE(evaluator.Overran()) << "a loop that never ends is stopped";
}

}  // namespace
}  // namespace hostsim
