// The simulated host's portable parts: what the Wine scenarios are worth
// depends on hostsim reading them and answering the module as described.
#include <gtest/gtest.h>

#include <fstream>

#include "host_model.h"
#include "persistence/compound/compound_storage.h"
#include "scenario.h"
#include "send_commands.h"
#include "step_words.h"
#include "stored_number.h"
#include "support/read_file.h"
#include "support/scratch_folder.h"
#include "user_view.h"

namespace hostsim {
namespace {

std::string Answer(const HostModel& model, const std::string& identifier) {
    std::string value = "<refused>";
    return model.Evaluate(identifier, value) ? value : "<refused>";
}

std::vector<Step> Read(const std::string& text) {
    qvs::ScratchFolder scratch;
    const std::string path = scratch.File("scenario.scn");
    std::ofstream(path) << text;
    std::vector<Step> steps;
    std::string error;
    EXPECT_TRUE(ReadScenario(path, steps, error)) << error;
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
    EXPECT_TRUE(Matches("/SendFile 1 bob Z:\\x\\QVS\\a.txt", "/SendFile 1 bob *\\QVS\\a.txt"));
    EXPECT_TRUE(Matches("a-b-c", "*-*"));
    EXPECT_TRUE(Matches("abc", "a*b*c"));
    EXPECT_TRUE(Matches("abc", "*"));
    EXPECT_FALSE(Matches("ab", "a*b*c"));
    EXPECT_FALSE(Matches("abcb", "a*c"));
    // The pieces may not overlap: "aba" holds "ab" and "ba" only overlapping.
    EXPECT_FALSE(Matches("aba", "ab*ba"));
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

TEST_F(HostModelTest, SendWindowsByNickAndByNumberStayWhenTheyEnd) {
    model.Sends().Open(1, "bob", "C:\\shared\\a.txt", 1200);
    model.Sends().Open(2, "bob", "C:\\other\\b.txt", 10);
    model.Sends().Open(1, "bob", "C:\\shared\\sub\\c.txt", 300);
    EXPECT_EQ(Answer(model, "$GetSendCountPerNick(1,bob)"), "2");
    EXPECT_EQ(Answer(model, "$GetSendPathName(1, bob,2)"), "C:\\shared\\sub\\");
    EXPECT_EQ(Answer(model, "$GetSendFileName(1 ,bob,2)"), "c.txt");
    EXPECT_EQ(Answer(model, "$GetSendCpsForNick(1,bob,1)"), "1200");
    EXPECT_EQ(Answer(model, "$GetSendFileName(1 ,bob,3)"), "");
    EXPECT_EQ(Answer(model, "$send(0)"), "3");
    EXPECT_EQ(Answer(model, "$send(2)"), "bob");
    EXPECT_EQ(Answer(model, "$send(2).cps"), "10");
    EXPECT_EQ(Answer(model, "$send(2).file"), "b.txt");
    EXPECT_EQ(Answer(model, "$send(2).path"), "C:\\other\\");
    EXPECT_EQ(Answer(model, "$send(2).cid"), "2");
    EXPECT_EQ(Answer(model, "$send(2).status"), "active");
    EXPECT_EQ(Answer(model, "$send(2).sent"), "<refused>") << "not a property the host documents";
    EXPECT_EQ(Answer(model, "$send(4)"), "");
    model.RenameUser(1, "bob", "robert");
    EXPECT_EQ(Answer(model, "$GetSendCountPerNick(1,robert)"), "0") << "a nick change moves no send";
    model.Sends().MoveToNick(1, "bob", "robert");
    EXPECT_EQ(Answer(model, "$GetSendCountPerNick(1,robert)"), "2");
    EXPECT_EQ(Answer(model, "$GetSendCountPerNick(2,bob)"), "1");
    EXPECT_TRUE(model.Sends().End(1, "ROBERT", "c:\\shared\\a.txt", false, 0, 0));
    EXPECT_FALSE(model.Sends().End(1, "robert", "C:\\shared\\a.txt", true, 0, 0)) << "ended once";
    EXPECT_EQ(Answer(model, "$send(1).status"), "failed");
    EXPECT_EQ(Answer(model, "$GetSendCountPerNick(1,robert)"), "2") << "the dead window keeps its number";
    EXPECT_EQ(Answer(model, "$GetSendFileName(1 ,robert,1)"), "") << "but tells no file";
    EXPECT_EQ(Answer(model, "$GetSendFileName(1 ,robert,2)"), "c.txt");
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
    ASSERT_EQ(model.Sends().Count(), 4u);
    EXPECT_EQ(Answer(model, "$send(1).file"), "a file.txt");
    EXPECT_EQ(Answer(model, "$send(2)"), "ann");
    EXPECT_EQ(Answer(model, "$send(2).cid"), "2");
    EXPECT_EQ(Answer(model, "$send(3)"), "cid");
    EXPECT_EQ(Answer(model, "$send(3).path"), "C:\\");
    EXPECT_EQ(Answer(model, "$send(4)"), "dan");
    EXPECT_EQ(Answer(model, "$send(4).file"), "d.txt");
}

TEST(SendCommandsTest, TheHostsCloseEndsTheNthSendToTheNick) {
    HostModel model;
    model.Connect(1, "EFnet", "Server");
    model.Connect(2, "IRCnet", "Server");
    NoteSendCommand(model, "/SendFile 1 bob C:\\a.txt");
    NoteSendCommand(model, "/SendFile 1 bob C:\\b.txt");
    NoteSendCommand(model, "/SendFile 2 bob C:\\c.txt");
    NoteSendCommand(model, "/close -m bob");
    NoteSendCommand(model, "/close -s bob");
    NoteSendCommand(model, "/close -s3 bob");
    EXPECT_EQ(model.Sends().Count(), 3u);
    NoteSendCommand(model, "/close -s2 BOB");
    EXPECT_EQ(Answer(model, "$GetSendCountPerNick(1,bob)"), "1");
    EXPECT_EQ(Answer(model, "$GetSendFileName(1 ,bob,1)"), "a.txt");
    NoteSendCommand(model, "/scid 2 /close -s1 bob");
    EXPECT_EQ(Answer(model, "$GetSendCountPerNick(2,bob)"), "0");
    EXPECT_EQ(Answer(model, "$GetSendCountPerNick(1,bob)"), "1");
}

TEST(UserViewTest, NoticesAndMessagesReadWithoutTheirCodes) {
    EXPECT_EQ(UserView("/scid 1 /notice bob : \x03" "2,15I have added\x03\x03" "12,15 a.avi \x03\x03" "2,15as\x03"),
              "bob reads: : I have added a.avi as");
    EXPECT_EQ(UserView("/msg ann \x02\x03" "12x\x03\x02 is \x1Fnot\x0F queued"), "ann reads: x is not queued");
    // A comma belongs to a colour code only before a digit.
    EXPECT_EQ(UserView("/notice bob \x03" "4,a and \x03,5 b \x03" "123"), "bob reads: ,a and ,5 b 3");
    EXPECT_EQ(UserView("/SendFile 1 bob C:\\a.txt"), "");
    EXPECT_EQ(UserView("/scid 1 /close -m bob"), "");
    EXPECT_EQ(UserView("/notice bob"), "");
}

class StoredNumberTest : public ::testing::Test {
protected:
    // A configuration-like file: channel "1" with a 4-byte, an 8-byte and a
    // text value.
    StoredNumberTest() {
        const std::string path = scratch.File("stored.dat");
        qvs::CompoundFileStorage storage;
        qvs::StorageObject* root = storage.CreateFile(path.c_str());
        qvs::StorageObject* channel = storage.CreateSubStorage(root, "1");
        Write(storage, channel, "NoOfFilesSent", "\x02\x01\x00\x00", 4);
        Write(storage, channel, "SizeOfFilesSent", "\x05\x00\x00\x00\x01\x00\x00\x00", 8);
        Write(storage, channel, "ChannelName", "#files", 7);
        storage.ReleaseStorageObject(channel);
        EXPECT_TRUE(storage.ReleaseStorageObject(root));
        std::string bytes = qvs::ReadWholeFile(path);
        file.assign(bytes.begin(), bytes.end());
    }
    static void Write(qvs::CompoundFileStorage& storage, qvs::StorageObject* parent, const char* name,
                      const char* bytes, uint32_t count) {
        qvs::StorageObject* stream = storage.CreateStream(parent, name);
        storage.WriteStreamData(stream, bytes, count);
        storage.ReleaseStorageObject(stream);
    }
    // The value read, or the reason it was not.
    std::string Read(const std::string& path) {
        uint64_t value = 0;
        std::string error;
        return ReadStoredNumber(file, path, value, error) ? std::to_string(value) : error;
    }
    qvs::ScratchFolder scratch;
    std::vector<uint8_t> file;
};

TEST_F(StoredNumberTest, FourAndEightByteValuesBelowTheirStorages) {
    EXPECT_EQ(Read("1\\NoOfFilesSent"), "258");
    EXPECT_EQ(Read("1\\sizeoffilessent"), "4294967301");
}

TEST_F(StoredNumberTest, MissingElementsAndOtherValuesAreNamed) {
    EXPECT_EQ(Read("2\\NoOfFilesSent"), "no storage 2");
    EXPECT_EQ(Read("1\\MaxSendSpeed"), "no stream MaxSendSpeed");
    EXPECT_EQ(Read("NoOfFilesSent"), "no stream NoOfFilesSent");
    EXPECT_EQ(Read("1\\ChannelName"), "the stream holds 7 byte(s), not a 4- or 8-byte number");
    file.resize(100);
    EXPECT_EQ(Read("1\\NoOfFilesSent"), "not a compound file");
}

}  // namespace
}  // namespace hostsim
