// queue.dat: what a part, a disconnect or the minute tick writes, and what a
// join brings back, through the native INI reader and writer.
#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <string>
#include <vector>

#include "intake/periodic.h"
#include "intake/served_channels.h"
#include "intake/server_events.h"
#include "model/memory.h"
#include "model/queue_ops.h"
#include "module_fixture.h"
#include "persistence/queue_file.h"
#include "sending/scheduler.h"
#include "sending/waiting_entries.h"

namespace qvs {
namespace {

constexpr uint32_t kId = 1;
const char kMain[] = "#chan.Net.MainChan";
const char kSmall[] = "#chan.Net.SQueue";
const char kOpVoice[] = "#chan.Net.Op-Voice";

class QueueFileTest : public ModuleTest {
protected:
    ChannelConfig* config = nullptr;
    ServedChannel* channel = nullptr;
    std::string shared = scratch.Path() + "/shared/";

    void SetUp() override {
        host.Answer("$scid(1).network", "Net");
        host.Answer("$scid(1).$me", "Server");
        host.Answer("$ctime", "1000");
        host.Answer("$GetMinute(1000)", "5");
        config = NewChannelConfig(state, "#chan");
        mkdir(shared.c_str(), 0755);
        ServeFolder(shared);
        channel = OpenServedChannel(state, kId, "#chan");
    }

    void ServeFolder(const std::string& folder) {
        FileList* list = NewRecord<FileList>();
        NameNode* node = NewRecord<NameNode>();
        node->Value.Set(folder.c_str());
        list->CreationFolder.PushBack(node);
        state.FileLists.PushBack(list);
        ListSelection* selection = NewRecord<ListSelection>();
        selection->List = list;
        config->FileListLinks.PushBack(selection);
    }

    std::string File(const std::string& name) {
        std::ofstream(shared + name) << name;
        return shared + name;
    }

    template <typename Entries>
    QueueEntry* Add(Entries& list, const char* nick, const std::string& path) {
        QueueEntry* entry = NewRecord<QueueEntry>();
        entry->Nick.Set(nick);
        entry->FilePath.Set(path.c_str());
        entry->Channel = channel;
        entry->ConnectionId = kId;
        list.PushBack(entry);
        return entry;
    }

    std::string Saved(const char* section, const char* key) {
        return platform.Profile.GetString(ConfigPath("queue.dat"), section, key, "<none>", 2048);
    }

    void WriteQueueFile(const std::string& bytes) { std::ofstream(ConfigPath("queue.dat"), std::ios::binary) << bytes; }

    // Part, then join again: the channel comes back from queue.dat.
    void Rejoin() {
        ReleaseServedChannel(state, channel);
        channel = OpenServedChannel(state, kId, "#chan");
    }

    static std::vector<std::string> Nicks(const WaitingList& list) {
        std::vector<std::string> nicks;
        for (const QueueEntry* entry = list.Head; entry; entry = entry->Next) nicks.push_back(entry->Nick.c_str());
        return nicks;
    }
};

TEST_F(QueueFileTest, SavesEveryGroupSendingFirstAndRestoresInThatOrder) {
    Add(channel->Regular.Sending, "sender", File("r1.zip"));
    Add(channel->Regular.Waiting, "alice", File("r2.zip"));
    Add(channel->Regular.Waiting, "bob", File("r,3.zip"));  // a comma in the path
    Add(config->Small.Sending, "carol", File("s1.txt"));
    Add(config->OpVoice.Waiting, "dave", File("o1.zip"));
    SaveChannelQueues(state, channel);
    EXPECT_EQ(Saved(kMain, "Queue1"), "sender," + shared + "r1.zip");
    EXPECT_EQ(Saved(kMain, "Queue3"), "bob," + shared + "r,3.zip");
    EXPECT_EQ(Saved(kMain, "Queue4"), "<none>");
    EXPECT_EQ(Saved(kMain, "SaveTime"), "1000");
    EXPECT_EQ(Saved(kSmall, "Queue1"), "carol," + shared + "s1.txt");
    EXPECT_EQ(Saved(kOpVoice, "SaveTime"), "1000");

    UserGroup group;
    NameNode member;
    member.Value.Set("BOB");
    group.Members.PushBack(&member);
    GroupSelection selection;
    selection.Group = &group;
    config->UserGroupLinks.PushBack(&selection);
    state.Settings.UseQueueRestorationDelay = 1;
    ReleaseServedChannel(state, channel);
    ReleaseEntries(config->Small.Sending);
    ReleaseEntries(config->OpVoice.Waiting);
    channel = OpenServedChannel(state, kId, "#chan");

    EXPECT_EQ(Nicks(channel->Regular.Waiting), (std::vector<std::string>{"sender", "alice", "bob"}));
    EXPECT_EQ(Nicks(config->Small.Waiting), std::vector<std::string>{"carol"});
    EXPECT_EQ(Nicks(config->OpVoice.Waiting), std::vector<std::string>{"dave"});
    const QueueEntry* bob = channel->Regular.Waiting.Tail;
    EXPECT_EQ(bob->Group, &selection);  // membership is looked up again
    EXPECT_EQ(bob->InRegularQueue, 1u);
    EXPECT_EQ(bob->Channel, channel);
    EXPECT_EQ(bob->FileSize, 7u);
    EXPECT_EQ(config->Small.Waiting.Head->InRegularQueue, 0u);
    std::vector<uint32_t> drip;
    for (RestorationNode* node = state.PendingRestoration.Head; node; node = node->Next) drip.push_back(node->Kind);
    EXPECT_EQ(drip, (std::vector<uint32_t>{2, 3, 1}));
    EXPECT_EQ(channel->RestoreHold, kRestoreHoldMs);
    ReleaseServedChannel(state, channel);  // the entries point at the group on the stack
    channel = nullptr;
    config->UserGroupLinks.Unlink(&selection);
    group.Members.Unlink(&member);
}

TEST_F(QueueFileTest, ASectionThatEmptiedIsRemoved) {
    QueueEntry* entry = Add(channel->Regular.Waiting, "alice", File("a.zip"));
    SaveChannelQueues(state, channel);
    RemoveWaitingEntry(state, QueueKind::Regular, channel->Regular, entry);
    SaveChannelQueues(state, channel);
    EXPECT_EQ(Saved(kMain, "Queue1"), "<none>");
    EXPECT_EQ(Saved(kMain, "SaveTime"), "<none>");
    std::ifstream in(ConfigPath("queue.dat"));
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}).find("MainChan"), std::string::npos);
}

TEST_F(QueueFileTest, FreshnessFollowsTheAgeLimit) {
    struct Case {
        uint32_t limit;
        const char* saveTime;  // null: no SaveTime key
        const char* minutes;   // null: the evaluation fails
        int fresh;
    } cases[] = {
        {0, "1000", "99999", 1}, {30, "1000", "30", 1}, {30, "1000", "31", 0},  {30, nullptr, "99", 1},
        {30, "1000", nullptr, 1}, {30, "1000", "soon", 0}, {30, "$me", "1", 0}, {30, "10 00", "1", 0},
    };
    for (const Case& c : cases) {
        WriteQueueFile(std::string("[S]\r\nQueue1=a,b\r\n") + (c.saveTime ? std::string("SaveTime=") + c.saveTime : ""));
        if (c.minutes)
            host.Answer("$GetMinute(1000)", c.minutes);
        else
            host.Refuse("$GetMinute(1000)");
        EXPECT_EQ(IsSavedQueueFresh(state, "s", ConfigPath("queue.dat"), c.limit), c.fresh)
            << c.limit << " " << (c.saveTime ? c.saveTime : "-") << " " << (c.minutes ? c.minutes : "-");
    }
}

TEST_F(QueueFileTest, RestoreSkipsWhatCannotBeServed) {
    std::string a = File("a.zip"), comma = File("x,y.zip");
    mkdir((scratch.Path() + "/private").c_str(), 0755);
    std::ofstream(scratch.Path() + "/private/secret.txt") << "secret";
    // A linked folder inside the share leads out of it; a plain one does not.
    symlink((scratch.Path() + "/private").c_str(), (shared + "linked").c_str());
    mkdir((shared + "sub").c_str(), 0755);
    std::string sub = File("sub/b.zip");
    WriteQueueFile("[#CHAN.net.mainchan]\r\n"
                   "Queue1=alice," + a + "\r\n"
                   "Queue2=nocomma\r\n"
                   "Queue3=bob,\r\n"
                   "Queue4=carol," + shared + "vanished.zip\r\n"
                   "Queue5=dave," + scratch.Path() + "/private/secret.txt\r\n"
                   "Queue6=erin," + shared + "../private/secret.txt\r\n"
                   "Queue7=a b," + a + "\r\n"
                   "Queue8=,"+ a + "\r\n"
                   "Queue9=frank," + shared + "*.zip\r\n"
                   "Queue10=gina," + comma + "\r\n"
                   "Queue11=hal," + shared + "\r\n"
                   "Queue12=ivan," + shared + "linked/secret.txt\r\n"
                   "Queue13=judy," + sub + "\r\n"
                   "Queue14=kim," + shared + "linked//secret.txt\r\n"
                   "Queue16=after the gap," + a + "\r\n");
    Rejoin();
    std::vector<std::string> restored;
    for (const QueueEntry* e = channel->Regular.Waiting.Head; e; e = e->Next)
        restored.push_back(std::string(e->Nick.c_str()) + " " + e->FilePath.c_str());
    EXPECT_EQ(restored, (std::vector<std::string>{"alice " + a, "gina " + comma, "judy " + sub}));
}

TEST_F(QueueFileTest, HostileFilesRestoreWhatTheyCanWithoutHanging) {
    std::string a = File("a.zip");
    std::string line64k = "Queue2=" + std::string(65536, 'n') + "," + a + "\r\n";
    std::string big = "[#chan.Net.MainChan]\r\nQueue1=alice," + a + "\r\n" + line64k;
    std::string junk = "junk" + std::string(65536, 'j') + "\r\n";
    big.reserve(50u << 20);
    while (big.size() < (50u << 20)) big += junk;
    std::string many = "[#chan.Net.MainChan]\r\n";
    for (int i = 1; i <= 100000; ++i) many += "Queue" + std::to_string(i) + "=n" + std::to_string(i % 1000) + "," + a + "\r\n";
    struct Case {
        const char* what;
        std::string bytes;
        uint32_t restored;
    } cases[] = {{"missing", "", 0}, {"empty", "", 0}, {"50 MB with 64 KiB lines", big, 1}, {"100,000 keys", many, 100000}};
    for (const Case& c : cases) {
        std::remove(ConfigPath("queue.dat").c_str());
        if (std::string(c.what) != "missing") WriteQueueFile(c.bytes);
        Rejoin();
        EXPECT_EQ(channel->Regular.Waiting.Count, c.restored) << c.what;
        ReleaseEntries(channel->Regular.Waiting);
        std::remove(ConfigPath("queue.dat").c_str());
    }
}

TEST_F(QueueFileTest, PartDisconnectAndTheMinuteTickSaveWhenAsked) {
    std::string a = File("a.zip");
    Add(channel->Regular.Waiting, "alice", a);
    state.Settings.UseSaveQueueDuration = 1;
    state.Settings.SaveQueueDuration = 2;
    PeriodicTimers timers;
    StartPeriodicTimers(state, timers);
    platform.Time.Advance(60000);
    EXPECT_EQ(Saved(kMain, "Queue1"), "<none>");
    platform.Time.Advance(60000);
    EXPECT_EQ(Saved(kMain, "Queue1"), "alice," + a);
    StopPanelTimers(state, timers);
    RestorationNode node;
    state.PendingRestoration.PushBack(&node);  // a restore still dripping holds the saves back
    Add(channel->Regular.Waiting, "bob", a);
    for (int minute = 0; minute < 3; ++minute) SaveQueuesOnSchedule(state);
    EXPECT_EQ(Saved(kMain, "Queue2"), "<none>");
    state.PendingRestoration.Unlink(&node);

    config->SaveQueueOnExit = 0;
    HandleServerEvent(state, kEventPart, kId, reinterpret_cast<uintptr_t>(platform.EventMemory.Text("#chan")));
    EXPECT_EQ(Saved(kMain, "Queue2"), "<none>");
    config->SaveQueueOnExit = 1;
    channel = OpenServedChannel(state, kId, "#chan");
    Add(channel->Regular.Waiting, "carol", a);
    HandleServerEvent(state, kEventDisconnect, kId, 0);
    EXPECT_EQ(Saved(kMain, "Queue2"), "carol," + a);
}

TEST_F(QueueFileTest, RestoredQueuesWaitForTheHoldThenDripOneByOne) {
    host.Resolver = [](const std::string& identifier, std::string& value) {
        if (identifier.rfind("$GetComChan(", 0) != 0) return false;
        value = "1";
        return true;
    };
    Add(channel->Regular.Waiting, "alice", File("big.zip"));
    Add(config->Small.Waiting, "bob", File("s.txt"));
    Add(config->OpVoice.Waiting, "carol", File("o.zip"));
    state.Settings.UseQueueRestorationDelay = 1;
    state.Settings.QueueRestorationDelay = 10;
    SaveChannelQueues(state, channel);
    Rejoin();
    auto sends = [&] { return channel->Regular.Sending.Count + config->Small.Sending.Count + config->OpVoice.Sending.Count; };
    RunScheduler(state, channel);
    EXPECT_EQ(sends(), 0u) << "held for two minutes after the restore";
    platform.Time.Advance(kRestoreHoldMs);
    EXPECT_EQ(channel->RestoreHold, 0u);
    RunScheduler(state, channel);
    EXPECT_EQ(config->OpVoice.Sending.Count, 1u) << "the drip serves the last pushed group first";
    EXPECT_EQ(sends(), 1u);
    platform.Time.Advance(10000);
    EXPECT_EQ(config->Small.Sending.Count, 1u);
    platform.Time.Advance(10000);
    EXPECT_EQ(channel->Regular.Sending.Count, 1u);
    EXPECT_TRUE(state.PendingRestoration.Empty());
    EXPECT_EQ(state.RestorationTimer, 0u);
}

}  // namespace
}  // namespace qvs
