#include <gtest/gtest.h>

#include "hostlink/connections.h"
#include "intake/served_channels.h"
#include "intake/server_events.h"
#include "model/memory.h"
#include "model/queue_ops.h"
#include "module_fixture.h"

namespace qvs {
namespace {

class ServerEventsTest : public ModuleTest {
protected:
    FakeEventMemory& memory = platform.EventMemory;

    EventResult Post(uint32_t message, uintptr_t first, uintptr_t second) {
        return HandleServerEvent(state, message, first, second);
    }
    void Connect(uint32_t id) { Post(kEventConnect, id, 0); }
    void Join(uint32_t id, const char* channel) {
        Post(kEventJoin, id, reinterpret_cast<uintptr_t>(memory.Text(channel)));
    }
    void Part(uint32_t id, const char* channel) {
        Post(kEventPart, id, reinterpret_cast<uintptr_t>(memory.Text(channel)));
    }
    void Say(uint32_t id, const char* channelText, const char* nick, const char* message) {
        auto* event = memory.Record<TextEvent>();
        event->ConnectionId = id;
        event->ChannelText = memory.Text(channelText);
        event->Nick = memory.Text(nick);
        event->Message = memory.Text(message);
        Post(kEventText, 0, reinterpret_cast<uintptr_t>(event));
    }
    void ChangeNick(uint32_t id, const char* from, const char* to) {
        auto* change = memory.Record<NickChange>();
        change->OldNick = memory.Text(from);
        change->NewNick = memory.Text(to);
        Post(kEventNickChange, id, reinterpret_cast<uintptr_t>(change));
    }
    QueueEntry* Enqueue(Queue& queue, ServedChannel* channel, const char* nick, uint32_t connectionId) {
        QueueEntry* entry = NewRecord<QueueEntry>();
        entry->Nick.Set(nick);
        entry->FilePath.Set("C:\\shared\\a.txt");
        entry->Channel = channel;
        entry->ConnectionId = connectionId;
        queue.Waiting.PushBack(entry);
        return entry;
    }
    void TearDown() override {
        EXPECT_EQ(memory.LiveBlocks(), 0u) << "every payload is freed";
        EXPECT_EQ(memory.BadFrees(), 0);
    }
};

TEST_F(ServerEventsTest, ConnectEvaluatesTheNetworkAndMatchesItsSettings) {
    NetworkSettings* efnet = NewRecord<NetworkSettings>();
    efnet->NetworkName.Set("EFnet");
    state.Networks.PushBack(efnet);
    host.Answer("$scid(1).network", "efNET");
    Connect(1);
    Connection* connection = FindConnection(state, 1);
    ASSERT_NE(connection, nullptr);
    EXPECT_STREQ(connection->NetworkName.c_str(), "efNET");
    EXPECT_EQ(connection->Network, efnet);
    EXPECT_EQ(platform.Windows.Live.count(connection->FloodWindow), 1u);
}

TEST_F(ServerEventsTest, ASecondConnectForAKnownIdKeepsTheOneRecordAndItsChannels) {
    NewChannelConfig(state, "#chan");
    Connect(1);
    Join(1, "#chan");
    Connection* first = FindConnection(state, 1);
    Connect(1);
    Connect(2);
    EXPECT_EQ(state.Connections.Count, 2u);
    EXPECT_EQ(FindConnection(state, 1), first);
    EXPECT_EQ(first->ServedChannels.Count, 1u) << "the served channel stays with its connection";
    EXPECT_EQ(platform.Windows.Live.size(), 2u) << "one flood window per connection";
    Post(kEventDisconnect, 1, 0);
    EXPECT_EQ(FindConnection(state, 1), nullptr) << "one disconnect ends it";
}

TEST_F(ServerEventsTest, ActiveConnectionAsksWithoutScid) {
    host.Answer("$network", "Undernet");
    Connect(0);
    ASSERT_NE(FindConnection(state, 0), nullptr);
    EXPECT_STREQ(FindConnection(state, 0)->NetworkName.c_str(), "Undernet");
}

TEST_F(ServerEventsTest, UnansweredNetworkLeavesNoNameAndNoSettings) {
    Connect(2);
    Connection* connection = FindConnection(state, 2);
    ASSERT_NE(connection, nullptr);
    EXPECT_TRUE(connection->NetworkName.IsNone());
    EXPECT_EQ(connection->Network, nullptr);
}

TEST_F(ServerEventsTest, DisconnectReleasesTheConnectionItsChannelsAndPendingMessages) {
    NewChannelConfig(state, "#chan");
    Connect(1);
    Join(1, "#chan");
    Connection* connection = FindConnection(state, 1);
    PendingMessage* pending = NewRecord<PendingMessage>();
    pending->Command.Set("/notice bob hi");
    connection->Pending.PushBack(pending);
    connection->FloodTimer = platform.Time.StartTimer(2000, [](ModuleState&, void*, TimerId) {}, nullptr);
    TimerId timer = connection->FloodTimer;
    Post(kEventDisconnect, 1, 0);
    EXPECT_EQ(FindConnection(state, 1), nullptr);
    EXPECT_TRUE(platform.Windows.Live.empty());
    EXPECT_FALSE(platform.Time.IsRunning(timer));
    EXPECT_EQ(state.ChannelConfigs.Head->Instances.Count, 0u);
    EXPECT_TRUE(host.Executed.empty()) << "pending messages are dropped, not sent";
}

TEST_F(ServerEventsTest, JoinServesOnlyConfiguredChannelsAndCreatesTheConnection) {
    ChannelConfig* config = NewChannelConfig(state, "#Chan");
    host.Answer("$scid(4).$me", "Server");
    Join(4, "#other");
    EXPECT_EQ(FindConnection(state, 4), nullptr);
    Join(4, "#chan");
    ServedChannel* channel = FindServedChannel(state, 4, "#CHAN");
    ASSERT_NE(channel, nullptr);
    EXPECT_EQ(channel->Config, config);
    EXPECT_STREQ(channel->OwnNick.c_str(), "Server");
    ASSERT_EQ(config->Instances.Count, 1u);
    EXPECT_EQ(config->Instances.Head->Channel, channel);
    EXPECT_EQ(channel->ConfigLink, config->Instances.Head);
    Join(4, "#chan");
    EXPECT_EQ(config->Instances.Count, 1u) << "a second join finds the same channel";
}

TEST_F(ServerEventsTest, JoinIsLoggedWhileLoggingIsOn) {
    state.Link.CommandLogging = true;
    Join(7, "#x");
    EXPECT_TRUE(platform.Files.FileExists(ConfigPath("qvs.log")));
    MappedFile view;
    ASSERT_TRUE(platform.Files.MapFile(ConfigPath("qvs.log"), view));
    EXPECT_EQ(std::string(view.Data, view.Size), "ConnectionID: 7  ChannelName: #x\r\n");
    platform.Files.UnmapFile(view);
}

TEST_F(ServerEventsTest, SelectedChannelGetsAnInstanceTabThatGoesWithThePart) {
    ChannelConfig* config = NewChannelConfig(state, "#chan");
    platform.Panel.Selected = config;
    Join(1, "#chan");
    EXPECT_EQ(platform.Panel.Tabs.size(), 1u);
    Part(1, "#chan");
    EXPECT_TRUE(platform.Panel.Tabs.empty());
    EXPECT_EQ(config->Instances.Count, 0u);
}

TEST_F(ServerEventsTest, NetworkRestrictedChannelWithoutANetworkNameShowsTheBoxAndIsNotServed) {
    ChannelConfig* config = NewChannelConfig(state, "#chan");
    AppendName(config->Networks, "EFnet");
    Connect(1);
    Join(1, "#chan");
    EXPECT_EQ(FindServedChannel(state, 1, "#chan"), nullptr);
    ASSERT_EQ(platform.Panel.Messages.size(), 1u);
    EXPECT_EQ(platform.Panel.Messages[0], kNoNetworkNameMessage);
    EXPECT_EQ(platform.Panel.Icons[0], kIconError);
}

// The box's modal loop goes on handling events: every line from the channel
// that arrives meanwhile wants the box again.
TEST_F(ServerEventsTest, TheNoNetworkNameBoxNeverOpensInsideItselfAndShowsAgainOnceClosed) {
    ChannelConfig* config = NewChannelConfig(state, "#chan");
    AppendName(config->Networks, "EFnet");
    NewChannelConfig(state, "#open");
    Connect(1);
    int linesWhileOpen = 0;
    platform.Panel.WhileShown = [&] {
        if (++linesWhileOpen > 3) return;  // a nesting box would recurse without end
        Say(1, "#chan", "bob", "hello");
        Say(1, "#open", "bob", "hello");
    };
    Say(1, "#chan", "bob", "hello");
    EXPECT_EQ(platform.Panel.Messages.size(), 1u);
    EXPECT_NE(FindServedChannel(state, 1, "#open"), nullptr) << "events meanwhile are handled as usual";
    Say(1, "#chan", "bob", "later");
    EXPECT_EQ(platform.Panel.Messages.size(), 2u);
    EXPECT_EQ(FindServedChannel(state, 1, "#chan"), nullptr);
}

TEST_F(ServerEventsTest, NetworkRestrictedChannelIsServedOnEveryConnectionOfThatNetwork) {
    ChannelConfig* config = NewChannelConfig(state, "#chan");
    AppendName(config->Networks, "DALnet");
    AppendName(config->Networks, "EFnet");
    host.Answer("$scid(1).network", "efnet");
    host.Answer("$scid(2).network", "EFNET");
    host.Answer("$scid(3).network", "IRCnet");
    for (uint32_t id : {1u, 2u, 3u}) {
        Connect(id);
        Join(id, "#chan");
    }
    EXPECT_NE(FindServedChannel(state, 1, "#chan"), nullptr);
    EXPECT_NE(FindServedChannel(state, 2, "#chan"), nullptr);
    EXPECT_EQ(FindServedChannel(state, 3, "#chan"), nullptr);
    EXPECT_EQ(config->Instances.Count, 2u);
    EXPECT_TRUE(platform.Panel.Messages.empty());
}

TEST_F(ServerEventsTest, TextFromAServedChannelNotYetJoinedStartsServingIt) {
    NewChannelConfig(state, "#chan");
    Say(1, "#chan", "bob", "hello");
    EXPECT_NE(FindServedChannel(state, 1, "#chan"), nullptr);
}

TEST_F(ServerEventsTest, PrivateMessageNamesItsChannelAfterAZero) {
    NewChannelConfig(state, "#chan");
    Say(1, "0#chan", "bob", "!server file.txt");
    EXPECT_NE(FindServedChannel(state, 1, "#chan"), nullptr);
    Say(1, "0#nochan", "bob", "x");
    EXPECT_EQ(state.Connections.Count, 1u);
}

TEST_F(ServerEventsTest, TextPayloadWithEmptyOrUnterminatedTextsIsHandled) {
    NewChannelConfig(state, "#cha");
    Say(1, "", "", "");
    Say(1, "0", "", "");
    auto* event = memory.Record<TextEvent>();
    event->ConnectionId = 1;
    event->ChannelText = memory.RawBytes("#chan");  // no terminator
    event->Nick = nullptr;
    event->Message = memory.RawBytes(std::string(5000, 'x'));
    Post(kEventText, 0, reinterpret_cast<uintptr_t>(event));
    EXPECT_NE(FindServedChannel(state, 1, "#cha"), nullptr) << "cut to its allocation";
}

TEST_F(ServerEventsTest, ABlockInTwoFieldsIsFreedOnce) {
    auto* change = memory.Record<NickChange>();
    change->OldNick = change->NewNick = memory.Text("bob");
    Post(kEventNickChange, 1, reinterpret_cast<uintptr_t>(change));
    auto* event = memory.Record<TextEvent>();
    event->ChannelText = event->Nick = event->Message = memory.Text("#chan");
    Post(kEventText, 0, reinterpret_cast<uintptr_t>(event));
}

TEST_F(ServerEventsTest, EventsForUnknownConnectionsAndChannelsAreFreedAndIgnored) {
    Part(9, "#nowhere");
    Post(kEventDisconnect, 9, 0);
    Post(kEventOwnNick, 9, reinterpret_cast<uintptr_t>(memory.Text("me")));
    Post(kEventReachable, 9, reinterpret_cast<uintptr_t>(memory.Text("bob")));
    ChangeNick(9, "a", "b");
    auto* send = memory.Record<SendEvent>();
    send->Nick = memory.Text("bob");
    send->FilePath = memory.Text("C:\\x");
    Post(kEventSendCompleted, 0, reinterpret_cast<uintptr_t>(send));
    EXPECT_EQ(state.Connections.Count, 0u);
}

TEST_F(ServerEventsTest, MissingPayloadsAreIgnored) {
    EXPECT_EQ(Post(kEventText, 0, 0), EventResult::Handled);
    EXPECT_EQ(Post(kEventNickChange, 1, 0), EventResult::Handled);
    EXPECT_EQ(Post(kEventSendFailed, 0, 0), EventResult::Handled);
    EXPECT_EQ(Post(kEventJoin, 1, 0), EventResult::Handled);
}

TEST_F(ServerEventsTest, UnusedNumbersGetDefaultHandlingAndCloseAsksForThePanel) {
    EXPECT_EQ(Post(1534, 1, 0), EventResult::NotOurs);
    EXPECT_EQ(Post(1535, 1, 0), EventResult::NotOurs);
    EXPECT_EQ(Post(kEventClosePanel, 0, 0), EventResult::ClosePanel);
}

TEST_F(ServerEventsTest, OwnNickChangeReachesEveryChannelOfThatConnectionOnly) {
    NewChannelConfig(state, "#a");
    NewChannelConfig(state, "#b");
    Join(1, "#a");
    Join(1, "#b");
    Join(2, "#a");
    Post(kEventOwnNick, 1, reinterpret_cast<uintptr_t>(memory.Text("NewMe")));
    EXPECT_STREQ(FindServedChannel(state, 1, "#a")->OwnNick.c_str(), "NewMe");
    EXPECT_STREQ(FindServedChannel(state, 1, "#b")->OwnNick.c_str(), "NewMe");
    EXPECT_TRUE(FindServedChannel(state, 2, "#a")->OwnNick.IsNone());
}

TEST_F(ServerEventsTest, NickChangeRenamesOnlyThatConnectionsEntries) {
    ChannelConfig* config = NewChannelConfig(state, "#chan");
    Join(1, "#chan");
    Join(2, "#chan");
    ServedChannel* one = FindServedChannel(state, 1, "#chan");
    ServedChannel* two = FindServedChannel(state, 2, "#chan");
    QueueEntry* regular = Enqueue(one->Regular, one, "Bob", 1);
    QueueEntry* otherRegular = Enqueue(two->Regular, two, "bob", 2);
    QueueEntry* small = Enqueue(config->Small, one, "BOB", 1);
    QueueEntry* otherSmall = Enqueue(config->Small, two, "bob", 2);
    QueueEntry* opvoice = Enqueue(config->OpVoice, one, "bob", 1);
    QueueEntry* listEntry = Enqueue(state.ListQueue, one, "bob", 1);
    Batch* batch = NewRecord<Batch>();
    batch->Nick.Set("bob");
    one->Batches.PushFront(batch);
    QueueEntry* sending = Enqueue(one->Regular, one, "bob", 1);
    one->Regular.Waiting.Unlink(sending);
    one->Regular.Sending.PushBack(sending);
    sending->Batch = batch;

    ChangeNick(1, "bob", "robert");
    EXPECT_STREQ(regular->Nick.c_str(), "robert");
    EXPECT_STREQ(small->Nick.c_str(), "robert");
    EXPECT_STREQ(opvoice->Nick.c_str(), "robert");
    EXPECT_STREQ(sending->Nick.c_str(), "robert");
    EXPECT_STREQ(batch->Nick.c_str(), "robert");
    EXPECT_STREQ(otherRegular->Nick.c_str(), "bob");
    EXPECT_STREQ(otherSmall->Nick.c_str(), "bob");
    EXPECT_STREQ(listEntry->Nick.c_str(), "bob") << "list queue entries keep their nick";
}

TEST_F(ServerEventsTest, ReachableNickLosesItsHeldMarksOnThatConnection) {
    ChannelConfig* config = NewChannelConfig(state, "#chan");
    Join(1, "#chan");
    Join(2, "#chan");
    ServedChannel* one = FindServedChannel(state, 1, "#chan");
    QueueEntry* held = Enqueue(one->Regular, one, "bob", 1);
    held->Held = 1;
    held->HeldMinutes = 3;
    one->Regular.HeldCount = 1;
    QueueEntry* heldSmall = Enqueue(config->Small, one, "bob", 1);
    heldSmall->Held = 1;
    config->Small.HeldCount = 1;
    QueueEntry* other = Enqueue(one->Regular, one, "carol", 1);
    other->Held = 1;
    one->Regular.HeldCount = 2;
    QueueEntry* listHeld = Enqueue(state.ListQueue, one, "bob", 1);
    listHeld->Held = 1;
    state.ListQueue.HeldCount = 1;

    Post(kEventReachable, 1, reinterpret_cast<uintptr_t>(memory.Text("BOB")));
    EXPECT_EQ(held->Held, 0u);
    EXPECT_EQ(held->HeldMinutes, 0u);
    EXPECT_EQ(heldSmall->Held, 0u);
    EXPECT_EQ(config->Small.HeldCount, 0u);
    EXPECT_EQ(other->Held, 1u);
    EXPECT_EQ(one->Regular.HeldCount, 1u);
    EXPECT_EQ(listHeld->Held, 1u) << "the list queue is not released this way";
}

TEST_F(ServerEventsTest, NickChangeAlsoReleasesTheNewNicksHeldEntries) {
    NewChannelConfig(state, "#chan");
    Join(1, "#chan");
    ServedChannel* one = FindServedChannel(state, 1, "#chan");
    QueueEntry* held = Enqueue(one->Regular, one, "bob", 1);
    held->Held = 1;
    one->Regular.HeldCount = 1;
    ChangeNick(1, "bob", "bobby");
    EXPECT_EQ(held->Held, 0u);
    EXPECT_EQ(one->Regular.HeldCount, 0u);
}

TEST_F(ServerEventsTest, ReleasingAChannelLeavesTheOtherChannelsEntriesWithCorrectCounts) {
    ChannelConfig* config = NewChannelConfig(state, "#chan");
    Join(1, "#chan");
    Join(2, "#chan");
    ServedChannel* one = FindServedChannel(state, 1, "#chan");
    ServedChannel* two = FindServedChannel(state, 2, "#chan");
    for (Queue* queue : {&config->Small, &config->OpVoice, &state.ListQueue}) {
        Enqueue(*queue, one, "a", 1);
        Enqueue(*queue, two, "b", 2);
        Enqueue(*queue, one, "c", 1)->Held = 1;
        queue->HeldCount = 1;
        QueueEntry* sending = Enqueue(*queue, one, "d", 1);
        queue->Waiting.Unlink(sending);
        queue->Sending.PushBack(sending);
        QueueEntry* otherSending = Enqueue(*queue, two, "e", 2);
        queue->Waiting.Unlink(otherSending);
        queue->Sending.PushBack(otherSending);
    }
    Enqueue(one->Regular, one, "f", 1);
    Part(1, "#chan");
    for (Queue* queue : {&config->Small, &config->OpVoice, &state.ListQueue}) {
        ASSERT_EQ(queue->Waiting.Count, 1u);
        EXPECT_STREQ(queue->Waiting.Head->Nick.c_str(), "b");
        EXPECT_EQ(queue->HeldCount, 0u);
        ASSERT_EQ(queue->Sending.Count, 1u);
        EXPECT_STREQ(queue->Sending.Head->Nick.c_str(), "e");
    }
    EXPECT_EQ(config->Instances.Count, 1u);
    EXPECT_EQ(config->Instances.Head->Channel, two);
    int closeLookups = 0;
    for (const std::string& identifier : host.Evaluated)
        if (identifier == "$GetSendCountPerNick(1,d)") ++closeLookups;
    EXPECT_EQ(closeLookups, 3) << "each of the channel's sends is closed in the host";
}

TEST_F(ServerEventsTest, ReleasingASendingEntryClosesTheMatchingHostSend) {
    NewChannelConfig(state, "#chan");
    Join(1, "#chan");
    ServedChannel* one = FindServedChannel(state, 1, "#chan");
    QueueEntry* entry = Enqueue(one->Regular, one, "bob", 1);
    entry->FilePath.Set("C:\\Shared\\B.txt");
    one->Regular.Waiting.Unlink(entry);
    one->Regular.Sending.PushBack(entry);
    host.Answer("$GetSendCountPerNick(1,bob)", "2");
    host.Answer("$GetSendPathName(1, bob,1)", "C:\\shared\\");
    host.Answer("$GetSendFileName(1 ,bob,1)", "a.txt");
    host.Answer("$GetSendPathName(1, bob,2)", "c:\\shared\\");
    host.Answer("$GetSendFileName(1 ,bob,2)", "b.TXT");
    Part(1, "#chan");
    ASSERT_EQ(host.Executed.size(), 1u);
    EXPECT_EQ(host.Executed[0], "/scid 1 /close -s2 bob") << "on the connection that numbers the sends";
}

TEST_F(ServerEventsTest, RemovingAChannelConfigReleasesEverythingItOwns) {
    ChannelConfig* config = NewChannelConfig(state, "#chan");
    FileList* list = NewRecord<FileList>();
    state.FileLists.PushBack(list);
    SelectFileList(*config, *list);
    Join(1, "#chan");
    Enqueue(config->Small, FindServedChannel(state, 1, "#chan"), "a", 1);
    RemoveChannelConfig(state, config);
    EXPECT_EQ(state.ChannelConfigs.Count, 0u);
    EXPECT_EQ(list->Channels.Count, 0u);
    EXPECT_EQ(FindConnection(state, 1)->ServedChannels.Count, 0u);
}

TEST(ChannelConfigDefaults, NewChannelHasTheUsersDefaults) {
    ModuleState state;
    ChannelConfig* config = NewChannelConfig(state, "#new");
    EXPECT_EQ(state.ChannelConfigs.Head, config);
    EXPECT_EQ(config->Serve, 1u);
    EXPECT_EQ(config->SQueueSize, 20480u);
    EXPECT_EQ(config->OpSlots, 2u);
    EXPECT_EQ(config->QueueSize, 5u);
    EXPECT_EQ(config->HoldTime, 5u);
    EXPECT_EQ(config->RestoreAgeLimit, 120u);
    EXPECT_EQ(config->MaxFindResult, 5u);
    EXPECT_EQ(config->SearchDisplayMethod, 1u);
    EXPECT_EQ(config->LimitQueueSize, 0u);
    EXPECT_EQ(config->RegularQueueResend.Use, 1u);
    ASSERT_EQ(config->SearchTriggers.Count, 1u);
    EXPECT_STREQ(config->SearchTriggers.Head->Value.c_str(), "@find");
    ChannelConfig* second = NewChannelConfig(state, "#second");
    EXPECT_EQ(state.ChannelConfigs.Head, second) << "new channels go to the head";
    DeleteChannelConfig(state, config);
    DeleteChannelConfig(state, second);
}

}  // namespace
}  // namespace qvs
