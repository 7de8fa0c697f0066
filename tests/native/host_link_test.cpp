#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "hostlink/host_link.h"
#include "module_fixture.h"

namespace qvs {
namespace {

class HostLinkTest : public ModuleTest {
protected:
    std::string ReadLog() {
        std::ifstream file(scratch.Path() + "/qvs.log", std::ios::binary);
        std::stringstream content;
        content << file.rdbuf();
        return content.str();
    }
};

TEST_F(HostLinkTest, ExecuteHandsTheCommandToTheHostAndReleasesTheLock) {
    Execute(state, "/notice %s %s", "bob", "hello");
    ASSERT_EQ(host.Executed.size(), 1u);
    EXPECT_EQ(host.Executed[0], "/notice bob hello");
    EXPECT_EQ(host.LockDepth(), 0);
}

TEST_F(HostLinkTest, LongCommandsAreCutTo2047Characters) {
    std::string longText(5000, 'x');
    Execute(state, "/msg bob %s", longText.c_str());
    ASSERT_EQ(host.Executed.size(), 1u);
    EXPECT_EQ(host.Executed[0].size(), 2047u);
}

TEST_F(HostLinkTest, SuccessfulEvaluationReturnsTheValue) {
    host.Answer("$me", "Server");
    std::string value = "old";
    EXPECT_TRUE(Evaluate(state, value, "$me"));
    EXPECT_EQ(value, "Server");
}

TEST_F(HostLinkTest, RefusedEvaluationLeavesAnEmptyBufferAndTheHostsAnswer) {
    host.RefusalAnswer = 3;
    std::snprintf(state.HostLinkBuffer, kHostLinkBufferSize, "$unknown");
    EXPECT_EQ(EvaluateIdentifier(state), 3u);
    EXPECT_STREQ(state.HostLinkBuffer, "");
    std::string value = "kept";
    EXPECT_FALSE(Evaluate(state, value, "$unknown"));
    EXPECT_EQ(value, "kept");
}

TEST_F(HostLinkTest, AnswerLongerThanTheBufferIsCut) {
    host.Answer("$big", std::string(9000, 'v'));
    std::string value;
    ASSERT_TRUE(Evaluate(state, value, "$big"));
    EXPECT_EQ(value.size(), 2047u);
}

TEST_F(HostLinkTest, WithoutASharedAreaTheHostHearsNothingAndValuesAreKept) {
    host.Answer("$me", "Server");
    host.Unmap();
    std::string value = "kept";
    EXPECT_FALSE(Evaluate(state, value, "$me"));
    EXPECT_EQ(value, "kept");
}

TEST_F(HostLinkTest, PostedCommandsAreNotLogged) {
    state.CommandLogging = true;
    FormatHostLink(state, "/QVSListDone 1 %s", "Movies");
    PostCommand(state);
    ASSERT_EQ(host.Posted.size(), 1u);
    EXPECT_EQ(host.Posted[0], "/QVSListDone 1 Movies");
    EXPECT_EQ(ReadLog(), "");
}

TEST_F(HostLinkTest, CommandLogIsWrittenOnlyWhileLoggingIsOn) {
    Execute(state, "/notice a b");
    EXPECT_FALSE(platform.Files.FileExists(ConfigPath("qvs.log")));
    state.CommandLogging = true;
    platform.Time.SetUtc(FileTimeOf(2026, 3, 7, 9, 5, 3));
    Execute(state, "/notice a b");
    Execute(state, "/notice c d");
    EXPECT_EQ(ReadLog(), "03-07-2026  09:05:03 /notice a b\r\n03-07-2026  09:05:03 /notice c d\r\n");
}

TEST_F(HostLinkTest, LogUsesLocalTime) {
    state.CommandLogging = true;
    platform.Time.SetUtc(FileTimeOf(2026, 12, 31, 23, 30, 0));
    platform.Time.SetLocalOffsetMinutes(60);
    Execute(state, "/x");
    EXPECT_EQ(ReadLog(), "01-01-2027  00:30:00 /x\r\n");
}

TEST(ScidPrefix, IsLeftOutForTheActiveConnection) {
    EXPECT_EQ(ScidPrefix(0), "");
    EXPECT_EQ(ScidPrefix(3), "/scid 3 ");
}

}  // namespace
}  // namespace qvs
