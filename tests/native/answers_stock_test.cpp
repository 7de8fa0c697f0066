// The stock answers: queue places, help, top list, statistics, the list of
// lists and taking requests back, each with its exact texts.
#include "requests_fixture.h"

#include "model/paths.h"
#include "model/queue_ops.h"

namespace qvs {
namespace {

std::string NotInQueue(const std::string& word) {
    return Escaped(R"(\x032,15You have \x03\x0312,15NO\x03\x032,15 files in my )" + word + R"( queue\x03)");
}

std::string Place(int minutes, const std::string& word, const std::string& file, int position) {
    return Escaped(R"(\x032,15After\x03\x0312,15 )" + std::to_string(minutes) + R"( \x03\x032,15min(s) in my )" +
                   word + R"( queue,\x03\x0312,15 )" + file + R"( \x03\x032,15is\x03\x0312,15 )" +
                   std::to_string(position) + R"(\x03)");
}

class StockAnswersTest : public RequestsTest {
protected:
    QueueEntry* Wait(QueueKind kind, const char* nick, const std::string& file, uint32_t connectionId = 0) {
        QueueEntry* entry = NewRecord<QueueEntry>();
        entry->Nick.Set(nick);
        entry->FilePath.Set((ServedFolder() + file).c_str());
        entry->ConnectionId = connectionId;
        entry->QueuedTime = platform.Time.UtcNow();
        entry->Channel = channel;
        QueueOf(state, kind, channel).Waiting.PushBack(entry);
        return entry;
    }
    QueueEntry* Sending(QueueKind kind, const char* nick, const std::string& file) {
        QueueEntry* entry = Wait(kind, nick, file);
        Queue& queue = QueueOf(state, kind, channel);
        queue.Waiting.Unlink(entry);
        queue.Sending.PushBack(entry);
        return entry;
    }
    std::vector<std::string> Files(const List<QueueEntry>& entries) const {
        std::vector<std::string> names;
        for (const QueueEntry* entry = entries.Head; entry; entry = entry->Next)
            names.push_back(entry->Nick.c_str() + std::string(":") + PathFileName(entry->FilePath.c_str()));
        return names;
    }
};

TEST_F(StockAnswersTest, QueuePlacesCountEveryWaitingEntryHeldOnesTooAndNameEmptyQueues) {
    Wait(QueueKind::Regular, "ann", "a.avi")->Held = 1;
    Wait(QueueKind::Regular, "ann", "b.avi");
    Wait(QueueKind::Regular, "Bob", "first.avi");
    platform.Time.Advance(90 * 1000);
    for (const char* file : {"c", "d", "e"}) Wait(QueueKind::Regular, "carl", file);
    Wait(QueueKind::Regular, "BOB", "second.avi");
    Sending(QueueKind::SmallFile, "bob", "sending.txt");
    Wait(QueueKind::OpVoice, "bob", "op.avi", 7);  // shared queue: any connection
    platform.Time.Advance(60 * 1000);

    EXPECT_EQ(Say("bob", "@server-queue and more words"), 1);
    EXPECT_EQ(Messages(), (std::vector<std::string>{Place(3, "regular", "first.avi", 3),
                                                    Place(1, "regular", "second.avi", 7), NotInQueue("small-file"),
                                                    Place(1, "op/voice", "op.avi", 1)}));
}

TEST_F(StockAnswersTest, HelpListsTheCommandsItsSwitchesAllow) {
    const std::string title = Escaped(R"(These are the commands of \x02QVS Verovor Odezev by Tarvonek v1.8.2c:\x02)");
    const std::string queue = Escaped(R"(\x02@Server-queue \x02- gives a list of files in the current queue)");
    const std::string top =
        Escaped(R"(\x02@Server-toplist \x02- gives the list of the most frequently downloaded files)");
    const std::string find = Escaped(
        R"(\x02@find keyword1 keyword2 ... keywordN \x02- searches the filelist(s) for files matching keywords)");
    const std::string removeAll = Escaped(R"(\x02@Server-remove \x02- remove ALL files from your queue)");
    const std::string removeOne =
        Escaped(R"(\x02@Server-remove <filename> \x02- remove the specified file from your queue)");
    const std::string lists =
        Escaped(R"(\x02@Server-list \x02- gives the list of triggers you can use to download filelists)");
    const std::string stats = Escaped(R"(\x02@Server-stats \x02- display the send statistics of the channel)");
    Say("bob", "@Server-help");
    EXPECT_EQ(Messages(), (std::vector<std::string>{title, queue, top, find, removeAll, removeOne, lists, stats}));

    host.Executed.clear();
    config->EnableQueue = config->EnableTopList = config->FileSearchEnabled = 0;
    config->EnableList = config->EnableStat = 0;
    Say("bob", "@Server-help");
    EXPECT_EQ(Messages(), (std::vector<std::string>{title, removeAll, removeOne}));
}

TEST_F(StockAnswersTest, TopListFollowsTheModuleSwitchAndTheChannelsCount) {
    Say("bob", "@Server-top");
    EXPECT_EQ(Messages(), std::vector<std::string>{"There are currently no downloaded files"});

    WriteFile(state.ConfigFolder + "#files-toplist.txt",
              "00000002 b.avi\r\n00000009 a.avi\r\n00000001 c.avi\r\n00000005 d.avi\r\n");
    config->TopListCount = 3;
    host.Executed.clear();
    Say("bob", "@Server-toplist");
    EXPECT_EQ(Messages(), (std::vector<std::string>{Escaped(R"(These are the \x02top 3\x02 downloaded files)"),
                                                    "1: [9x] a.avi", "2: [5x] d.avi", "3: [2x] b.avi"}));

    state.Settings.EnableTopList = 0;
    host.Executed.clear();
    EXPECT_EQ(Say("bob", "@Server-top"), 1);
    EXPECT_TRUE(host.Executed.empty());
}

TEST_F(StockAnswersTest, StatisticsAreTenLinesWithTheChannelsValues) {
    config->NoOfFilesSent = 1234;
    config->SizeOfFilesSent = 1536;
    config->AvgSendSpeed = 1234 * 2048ull;
    config->MaxSendSpeed = 1048576;
    config->LimitQueueSize = 1;
    config->QueueSize = 7;
    config->SearchLimit = 3;
    host.Answer("$bytes(2048,k)", "2");
    Sending(QueueKind::Regular, "ann", "x.avi");
    Say("bob", "@Server-stats");
    const char* expected[] = {
        R"(Channel statistics for \x0312\x02#files\x02\x03)",
        R"(Number of files sent: \x0312\x021,234\x02\x03)",
        R"(Size of files sent: \x0312\x021.5 KB\x02\x03)",
        R"(Average send speed: \x0312\x022 KB/s\x02\x03)",
        R"(Max. send speed: \x0312\x021 MB/s\x02\x03)",
        R"(Number of requests per queue: \x0312\x027\x02\x03)",
        R"(Send will be terminated if transfer speed drops below: \x0312\x02Unused\x02\x03)",
        R"(Number of files being sent: \x0312\x021\x02\x03)",
        R"(Minimum search string length: \x0312\x023\x02\x03)",
        R"(Using: \x0312\x02QVS Verovor Odezev by Tarvonek v1.8.2c\x02\x03)",
    };
    std::vector<std::string> lines;
    for (const char* line : expected) lines.push_back(Escaped(line));
    EXPECT_EQ(Messages(), lines);
}

TEST_F(StockAnswersTest, TheListOfListsShowsEveryBoundListWhateverItsAccessMode) {
    Say("bob", "@Server-list");
    EXPECT_EQ(Messages(), std::vector<std::string>{"There are currently no filelists served in this channel"});

    AddList("Movies", "!movies", "@movies", kQueryWindowOnly)->Description.Set("Films");
    AddList("Music", "!music", "@music", 0)->Description.Set("");
    AddList("Books", "!books", nullptr);
    host.Executed.clear();
    Say("bob", "@Server-list");
    EXPECT_EQ(Messages(), (std::vector<std::string>{Escaped(R"(\x02@movies\x02 - [Films])"),
                                                    Escaped(R"(\x02@music\x02 - [No description])"),
                                                    Escaped(R"(\x02\x02 - [No description])")}));
}

TEST_F(StockAnswersTest, RemoveTakesBackWaitingRequestsNeverASendOnItsWay) {
    struct Case {
        const char* Line;
        uint32_t Serve;
        std::vector<std::string> Regular, Small, OpVoice;
    };
    const Case cases[] = {
        // Without a name everything waiting of the nick goes, on any connection.
        {"@Server-remove", 1, {"ann:a.avi"}, {}, {}},
        {"@Server-remove", 0, {"bob:a.avi", "ann:a.avi", "BOB:b.avi"}, {"bob:a.avi"}, {"bob:A.AVI"}},
        // With a name, the shared queues give up only this connection's entries.
        {"@Server-remove A.avi", 1, {"ann:a.avi", "BOB:b.avi"}, {"bob:a.avi"}, {}},
        {"@Server-remove a.avi", 0, {"ann:a.avi", "BOB:b.avi"}, {"bob:a.avi"}, {}},
        {"@Server-remove sending.avi", 1, {"bob:a.avi", "ann:a.avi", "BOB:b.avi"}, {"bob:a.avi"}, {"bob:A.AVI"}},
    };
    for (const Case& c : cases) {
        Wait(QueueKind::Regular, "bob", "a.avi")->Held = 1;
        channel->Regular.HeldCount = 1;
        Wait(QueueKind::Regular, "ann", "a.avi");
        Wait(QueueKind::Regular, "BOB", "b.avi");
        Wait(QueueKind::SmallFile, "bob", "a.avi", 5);
        Wait(QueueKind::OpVoice, "bob", "A.AVI");
        Sending(QueueKind::Regular, "bob", "sending.avi");
        config->Serve = c.Serve;
        host.Executed.clear();
        EXPECT_EQ(Say("bob", c.Line), 1);
        EXPECT_EQ(Files(channel->Regular.Waiting.Entries()), c.Regular) << c.Line << " serve " << c.Serve;
        EXPECT_EQ(Files(config->Small.Waiting.Entries()), c.Small) << c.Line << " serve " << c.Serve;
        EXPECT_EQ(Files(config->OpVoice.Waiting.Entries()), c.OpVoice) << c.Line << " serve " << c.Serve;
        EXPECT_EQ(Files(channel->Regular.Sending), std::vector<std::string>{"bob:sending.avi"});
        bool heldGone = c.Regular.empty() || c.Regular.front() != "bob:a.avi";
        EXPECT_EQ(channel->Regular.HeldCount, heldGone ? 0u : 1u) << c.Line;
        EXPECT_TRUE(host.Executed.empty()) << "removal answers nothing";
        for (Queue* queue : {&channel->Regular, &config->Small, &config->OpVoice}) {
            ReleaseEntries(queue->Waiting);
            ReleaseEntries(queue->Sending);
            queue->HeldCount = 0;
        }
    }
}

}  // namespace
}  // namespace qvs
