// Our INI reader and writer against the private-profile rules the queue file
// relies on. The same cases run against the platform under Wine
// (tests/wine/profile_crosscheck.cpp).
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "fake/ini_profile.h"
#include "module_fixture.h"

namespace qvs {
namespace {

constexpr std::size_t kCapacity = 2048;

class IniProfileTest : public ::testing::Test {
protected:
    ScratchFolder scratch;
    IniProfile profile;
    std::string path = scratch.Path() + "/queue.dat";

    void WriteFile(const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }
    std::string ReadFile() {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    std::string Get(const std::string& section, const std::string& key) {
        return profile.GetString(path, section, key, "<none>", kCapacity);
    }
};

TEST_F(IniProfileTest, ReadsValuesAsThePlatformDoes) {
    WriteFile("top=before any section\r\n"
              "[#Books.Net.MainChan]\r\n"
              "Queue1=alice,C:\\a.zip\r\n"
              "  QUEUE2 =   bob,C:\\b.zip   \r\n"
              "Queue3=\"quoted\"\n"
              "Queue4='single'\r\n"
              "Queue5=\"unbalanced\r\n"
              "Queue6=\"\r\n"
              "Queue1=second copy\r\n"
              "bare line\r\n"
              "\r\n"
              "[Other]\r\n"
              "Queue1=other\r\n"
              "[#books.net.mainchan]\r\n"
              "Queue7=in the second copy of the section\r\n");
    struct Case {
        const char* section;
        const char* key;
        const char* expected;
    } cases[] = {
        {"#books.NET.mainchan", "queue1", "alice,C:\\a.zip"},  // names fold, the first key wins
        {"#Books.Net.MainChan", "Queue2", "bob,C:\\b.zip"},    // blanks around key and value go
        {"#Books.Net.MainChan", "Queue3", "quoted"},
        {"#Books.Net.MainChan", "Queue4", "single"},
        {"#Books.Net.MainChan", "Queue5", "\"unbalanced"},
        {"#Books.Net.MainChan", "Queue6", "\""},
        {"#Books.Net.MainChan", "bare line", "<none>"},  // a line without "=" has no value
        {"#Books.Net.MainChan", "Queue7", "<none>"},     // only the first section of a name is read
        {" Other ", " queue1 ", "other"},
        {"Missing", "Queue1", "<none>"},
    };
    for (const Case& c : cases) EXPECT_EQ(Get(c.section, c.key), c.expected) << c.section << " " << c.key;
}

TEST_F(IniProfileTest, WritesRoundTripAndKeepTheFileSound) {
    std::string longValue(70000, 'x');
    profile.WriteString(path, "S", "Lead", "   leading blanks");
    profile.WriteString(path, "S", "Long", longValue);
    profile.WriteString(path, "s", "lead", "replaced");
    profile.WriteString(path, "S", "Break", "one\r\n[Injected]\r\nKey=two");
    ASSERT_TRUE(profile.Flush(path));
    EXPECT_EQ(Get("S", "LEAD"), "replaced");
    EXPECT_EQ(Get("S", "Long"), std::string(kCapacity - 1, 'x'));  // cut to the buffer
    EXPECT_EQ(Get("S", "Break"), "one");                            // a line break cannot start a section
    EXPECT_EQ(Get("Injected", "Key"), "<none>");
    IniProfile fresh;  // what reaches the disk, read by another reader
    EXPECT_EQ(fresh.GetString(path, "s", "lead", "", kCapacity), "replaced");
}

TEST_F(IniProfileTest, DeletingASectionRemovesEveryCopyAndKeepsTheRest) {
    WriteFile("[A]\r\nk=1\r\n[B]\r\nk=2\r\n[a]\r\nk=3\r\n");
    profile.DeleteSection(path, "A");
    profile.WriteString(path, "A", "k", "4");
    ASSERT_TRUE(profile.Flush(path));
    EXPECT_EQ(ReadFile(), "[B]\r\nk=2\r\n[A]\r\nk=4\r\n");
}

TEST_F(IniProfileTest, SeesChangesMadeOnDiskAndToleratesAbsence) {
    EXPECT_EQ(Get("A", "k"), "<none>");
    profile.DeleteSection(path, "A");
    ASSERT_TRUE(profile.Flush(path));
    EXPECT_FALSE(std::ifstream(path).good());  // nothing changed, no file made
    WriteFile("[A]\r\nk=1\r\n");
    EXPECT_EQ(Get("A", "k"), "1");
    WriteFile("[A]\r\nk=22\r\n");
    EXPECT_EQ(Get("A", "k"), "22");
}

}  // namespace
}  // namespace qvs
