#include <gtest/gtest.h>

#include "hostlink/command_log.h"
#include "hostlink/companion_script.h"
#include "hostlink/host_link.h"
#include "hostlink/worker_host_link.h"
#include "module_fixture.h"
#include "support/read_file.h"

namespace qvs {
namespace {

class HostLinkTest : public ModuleTest {
protected:
    std::string ReadLog() { return ReadWholeFile(ConfigPath(kCommandLogName)); }
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
    std::snprintf(state.Link.Buffer, kHostLinkBufferSize, "$unknown");
    EXPECT_EQ(EvaluateIdentifier(state), 3u);
    EXPECT_STREQ(state.Link.Buffer, "");
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
    state.Link.CommandLogging = true;
    FormatHostLink(state, "/QVSListDone 1 %s", "Movies");
    PostCommand(state);
    ASSERT_EQ(host.Posted.size(), 1u);
    EXPECT_EQ(host.Posted[0], "/QVSListDone 1 Movies");
    EXPECT_EQ(ReadLog(), "");
}

TEST_F(HostLinkTest, CommandLogIsWrittenOnlyWhileLoggingIsOn) {
    Execute(state, "/notice a b");
    EXPECT_FALSE(platform.Files.FileExists(ConfigPath("qvs.log")));
    state.Link.CommandLogging = true;
    platform.Time.SetUtc(FileTimeOf(2026, 3, 7, 9, 5, 3));
    Execute(state, "/notice a b");
    Execute(state, "/notice c d");
    EXPECT_EQ(ReadLog(), "03-07-2026  09:05:03 /notice a b\r\n03-07-2026  09:05:03 /notice c d\r\n");
}

TEST_F(HostLinkTest, LogUsesLocalTime) {
    state.Link.CommandLogging = true;
    platform.Time.SetUtc(FileTimeOf(2026, 12, 31, 23, 30, 0));
    platform.Time.SetLocalOffsetMinutes(60);
    Execute(state, "/x");
    EXPECT_EQ(ReadLog(), "01-01-2027  00:30:00 /x\r\n");
}

// What a list generation does off the UI thread: it is given the host link
// alone, takes the list-generation lock (re-entrant) and answers the host.
struct ListGenerationJob {
    HostLink* Link;
    WorkerPort* Worker;
};

void AnswerFromWorker(void* context) {
    ListGenerationJob& job = *static_cast<ListGenerationJob*>(context);
    job.Worker->LockListGeneration();
    job.Worker->LockListGeneration();
    Execute(*job.Link, kListDoneFormat, 1ul, "Movies");
    job.Worker->UnlockListGeneration();
    job.Worker->UnlockListGeneration();
}

TEST_F(HostLinkTest, AWorkerGivenOnlyTheHostLinkAnswersTheHostWhenTheTestRunsIt) {
    state.Link.CommandLogging = true;
    ListGenerationJob job{&state.Link, state.Ports.Worker};
    ASSERT_TRUE(state.Ports.Worker->StartWorker(AnswerFromWorker, &job));
    EXPECT_TRUE(host.Executed.empty()) << "a started job waits until the test runs it";
    EXPECT_EQ(platform.Worker.RunPending(), 1u);
    ASSERT_EQ(host.Executed.size(), 1u);
    EXPECT_EQ(host.Executed[0], "/QVSListDone 1 Movies");
    EXPECT_NE(ReadLog().find("/QVSListDone 1 Movies\r\n"), std::string::npos);
    EXPECT_EQ(platform.Worker.LockDepth(), 0u);
    EXPECT_EQ(platform.Worker.UnbalancedUnlocks, 0u);
    EXPECT_EQ(host.LockDepth(), 0);
}

TEST(ScidPrefix, IsLeftOutForTheActiveConnection) {
    EXPECT_EQ(ScidPrefix(0), "");
    EXPECT_EQ(ScidPrefix(3), "/scid 3 ");
}

// A host that reads the shared area for a posted message only when it gets
// round to it, as the real one does.
class LateReadingHost : public FakeHost {
public:
    void PostToHost(uint32_t, uint32_t, uint32_t) override { ++pending_; }
    uint32_t SendToHost(uint32_t message, uint32_t first, uint32_t second) override {
        HandlePosted();
        return FakeHost::SendToHost(message, first, second);
    }
    void HandlePosted() {
        for (; pending_ > 0; --pending_) FakeHost::PostToHost(kHostExecuteMessage, 5, 0);
    }

private:
    int pending_ = 0;
};

TEST(WorkerHostLinkTest, CommandsArriveWholeInOrderWithoutTouchingTheUiBuffer) {
    LateReadingHost lateHost;
    HostLink link;
    link.Transport = &lateHost;
    std::snprintf(link.Buffer, kHostLinkBufferSize, "/being formatted on the UI thread");
    WorkerHostLink worker(link);
    std::string longName(3000, 'n');
    worker.PostCommand("/QVSListDone 1 films");
    worker.ExecuteCommand("/msg #films updated");
    worker.PostCommand(("/QVSListDone 1 " + longName).c_str());
    lateHost.HandlePosted();
    ASSERT_EQ(lateHost.Executed.size(), 3u);
    EXPECT_EQ(lateHost.Executed[0], "/QVSListDone 1 films");
    EXPECT_EQ(lateHost.Executed[1], "/msg #films updated");
    EXPECT_EQ(lateHost.Executed[2], ("/QVSListDone 1 " + longName).substr(0, 2047));
    EXPECT_TRUE(lateHost.Posted.empty());
    EXPECT_STREQ(link.Buffer, "/being formatted on the UI thread");
    EXPECT_EQ(lateHost.LockDepth(), 0);
}

}  // namespace
}  // namespace qvs
