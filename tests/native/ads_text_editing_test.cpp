// The advertisement editor's pieces: variables offered per group, colour
// codes, codes put around a selection, and the preview line.
#include "ads/ad_text_editing.h"
#include "ads/random_files.h"
#include "requests_fixture.h"

namespace qvs {
namespace {

class AdTextEditingTest : public RequestsTest {};

TEST_F(AdTextEditingTest, EachGroupOffersItsVariables) {
    AddList("Movies", "!movies");
    AddRandomTextFile(state, "quotes", "C:\\quotes.txt");
    EXPECT_EQ(VariableGroups(state), (std::vector<std::string>{"Channel", "RandomText", "UserNick", "Script", "Movies"}));
    struct Case {
        const char* group;
        std::size_t count;
        const char* firstName;
        const char* firstDescription;
    } cases[] = {{"Channel", 15, "FilesSent", "Number of files sent"},
                 {"UserNick", 2, "Nick", "Nick"},
                 {"Script", 2, "Name", "Name"},
                 {"Movies", 5, "FileCount", "Number of files"},
                 {"MOVIES", 5, "FileCount", "Number of files"},
                 {"RandomText", 1, "quotes", "quotes"},
                 {"Nothing", 0, "", ""}};
    for (const Case& c : cases) {
        std::vector<EditorVariable> variables = GroupVariables(state, c.group);
        ASSERT_EQ(variables.size(), c.count) << c.group;
        if (!c.count) continue;
        EXPECT_EQ(variables.front().Name, c.firstName) << c.group;
        EXPECT_EQ(variables.front().Description, c.firstDescription) << c.group;
    }
    EXPECT_EQ(GroupVariables(state, "Channel").back().Name, "OFreeSlots");
    EXPECT_EQ(VariableWord("UserNick", "Nick"), "$UserNick.Nick$");
}

TEST(AdTextColours, CodeStartsWithTheTextColourAndAddsABackground) {
    ASSERT_STREQ(kColourNames[kNoColour], "no color");
    ASSERT_STREQ(kColourNames[2], "blue");
    struct Case {
        int text, background;
        const char* code;
    } cases[] = {{kNoColour, 2, "\x03" "16,2"}, {kBlack, kNoColour, "\x03" "1"}, {0, 0, "\x03" "0,0"},
                 {kNoColour, kNoColour, ""},   {kColourCount, 2, ""},         {-1, kNoColour, ""},
                 {15, 15, "\x03" "15,15"}};
    for (const Case& c : cases) EXPECT_EQ(ColourStart(c.text, c.background), c.code) << c.text << "," << c.background;
}

TEST(AdTextColours, CodesGoAroundTheSelectionOnly) {
    struct Case {
        std::size_t start, end;
        bool marked;
        const char* result;
    } cases[] = {{1, 2, true, "a<b>c"}, {0, 3, true, "<abc>"}, {2, 2, false, "abc"},
                 {3, 3, false, "abc"},  {2, 4, false, "abc"},  {3, 1, false, "abc"}};
    for (const Case& c : cases) {
        std::string text = "abc";
        EXPECT_EQ(MarkSelection(text, c.start, c.end, "<", ">"), c.marked) << c.start << "-" << c.end;
        EXPECT_EQ(text, c.result) << c.start << "-" << c.end;
    }
}

// The text may come from list descriptions and random lines: nothing in it
// is evaluated by the host or starts a command of its own.
TEST(AdTextPreview, ThePreviewLineStaysOneLineOfPlainWords) {
    std::string command = PreviewLineCommand("hi $me | %x\r\n/quit");
    EXPECT_EQ(command.rfind("/aline -pi @QVS_Preview hi ", 0), 0u) << command;
    EXPECT_EQ(command.find(" $me"), std::string::npos) << command;
    EXPECT_EQ(command.find(" | "), std::string::npos) << command;
    EXPECT_EQ(command.find(" %x"), std::string::npos) << command;
    EXPECT_EQ(command.find_first_of("\r\n"), std::string::npos) << command;
}

}  // namespace
}  // namespace qvs
