#include <gtest/gtest.h>

#include <fstream>

#include "model/channel_config.h"
#include "module_fixture.h"
#include "stats/top_list.h"
#include "support/read_file.h"

namespace qvs {
namespace {

class TopListTest : public ModuleTest {
protected:
    void SetUp() override {
        config = NewChannelConfig(state, "#chan");
        Connection* connection = NewRecord<Connection>();
        state.Connections.PushFront(connection);
        channel = NewRecord<ServedChannel>();
        channel->Config = config;
        channel->Connection = connection;
        connection->ServedChannels.PushFront(channel);
        channel->ConfigLink = NewRecord<InstanceLink>();
        channel->ConfigLink->Channel = channel;
        config->Instances.PushFront(channel->ConfigLink);
    }

    void Downloaded(const std::string& path) { UpdateTopList(state, channel, path.c_str()); }
    std::string File() { return ReadWholeFile(ConfigPath("#chan-toplist.txt")); }
    void WriteFile(const std::string& content) {
        std::ofstream(ConfigPath("#chan-toplist.txt"), std::ios::binary) << content;
    }
    std::vector<std::string> Read(uint32_t maximum) {
        std::vector<std::string> lines;
        for (const TopListEntry& entry : ReadTopList(state, config, maximum))
            lines.push_back(std::to_string(entry.Count) + " " + entry.Name);
        return lines;
    }

    ChannelConfig* config = nullptr;
    ServedChannel* channel = nullptr;
};

TEST_F(TopListTest, NamesAreCountedWithoutRegardToCaseUnderTheirFirstSpelling) {
    Downloaded("C:\\films\\Movie.AVI");
    Downloaded("D:\\other\\movie.avi");
    Downloaded("C:\\films\\Movie.avi");
    EXPECT_EQ(File(), "00000003 Movie.AVI\r\n");
}

TEST_F(TopListTest, ANameThatOnlyBeginsAnotherGetsALineOfItsOwn) {
    Downloaded("C:\\a.txt.bak");
    Downloaded("C:\\a.txt");
    Downloaded("C:\\a.txt");
    Downloaded("C:\\a.txt.bak");
    EXPECT_EQ(File(), "00000002 a.txt.bak\r\n00000002 a.txt\r\n");
}

TEST_F(TopListTest, OnlyTheEightDigitsChangeInPlace) {
    WriteFile("00000009 b.avi\r\n00000041 c.avi\r\n");
    Downloaded("C:\\c.avi");
    Downloaded("C:\\b.avi");
    EXPECT_EQ(File(), "00000010 b.avi\r\n00000042 c.avi\r\n");
}

TEST_F(TopListTest, ACountStopsAtWhatEightDigitsHold) {
    WriteFile("99999998 hit.avi\r\n");
    Downloaded("C:\\hit.avi");
    Downloaded("C:\\hit.avi");
    EXPECT_EQ(File(), "99999999 hit.avi\r\n");
}

TEST_F(TopListTest, SwitchedOffOrNamelessSendsAreNotCounted) {
    state.Settings.EnableTopList = 0;
    Downloaded("C:\\a.avi");
    EXPECT_FALSE(platform.Files.FileExists(ConfigPath("#chan-toplist.txt")));
    state.Settings.EnableTopList = 1;
    Downloaded("C:\\folder\\");
    Downloaded("C:\\bad\rname");
    EXPECT_FALSE(platform.Files.FileExists(ConfigPath("#chan-toplist.txt")));
}

TEST_F(TopListTest, DamagedFilesAreNeverRewrittenOutsideAGoodLine) {
    std::string longLine = "00000005 " + std::string(600, 'x') + "\r\n";
    WriteFile("garbage\r\nab\r\n0000movie.avi\r\nabcdefgh movie.avi\r\n" + longLine + "00000001 z.avi");
    Downloaded("C:\\z.avi");
    Downloaded("C:\\movie.avi");
    EXPECT_EQ(File(), "garbage\r\nab\r\n0000movie.avi\r\nabcdefgh movie.avi\r\n" + longLine +
                          "00000002 z.avi\r\n00000001 movie.avi\r\n");
}

TEST_F(TopListTest, LinesAfterAVeryLongLineAreStillFound) {
    std::string longLine = "00000005 " + std::string(600, 'x') + "\r\n";
    WriteFile(longLine + "00000001 z.avi\r\n");
    Downloaded("C:\\z.avi");
    EXPECT_EQ(File(), longLine + "00000002 z.avi\r\n");
}

TEST_F(TopListTest, ReadingListsMostDownloadedFirstAndEqualCountsByDescendingName) {
    WriteFile("00000002 b.avi\r\n00000010 a.avi\r\n00000002 C.avi\r\n00000002 a2.avi\r\n00000001 z.avi");
    EXPECT_EQ(Read(0), (std::vector<std::string>{"10 a.avi", "2 C.avi", "2 b.avi", "2 a2.avi", "1 z.avi"}));
    EXPECT_EQ(Read(2), (std::vector<std::string>{"10 a.avi", "2 C.avi"}));
}

TEST_F(TopListTest, ReadingPassesOverLinesWithoutACount) {
    WriteFile("nonsense\r\n\r\nabc def\r\n00000003 with blank.avi\n00000004 unix.avi\n");
    EXPECT_EQ(Read(0), (std::vector<std::string>{"4 unix.avi", "3 with blank.avi"}));
}

TEST_F(TopListTest, AMissingFileReadsEmpty) { EXPECT_TRUE(Read(10).empty()); }

}  // namespace
}  // namespace qvs
