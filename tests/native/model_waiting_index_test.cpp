// The waiting lists' indexes against a full walk, after every step of a
// random mix of admissions, sends, completions, removals, nick changes,
// holds and restores.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "persistence/queue_file.h"
#include "requests/admission.h"
#include "requests/new_entry.h"
#include "sending/scheduler.h"
#include "sending/waiting_entries.h"
#include "sending_fixture.h"
#include "users/group_operations.h"

namespace qvs {
namespace {

constexpr int kSteps = 3000;
const char* const kNicks[] = {"ann", "ANN", "bob", "Carl", "dee", "eve"};
const char* const kFiles[] = {"a.zip", "A.ZIP", "b.zip", "c.txt"};

class WaitingIndexTest : public SendingTest {
protected:
    std::mt19937 random{20261208};

    int Pick(int count) { return static_cast<int>(random() % count); }

    // Real files, so restores bring entries back.
    std::string Path(const char* file) const { return scratch.Path() + "/s/" + file; }

    // Every nick's chain is its entries in queue order; every count and
    // request lookup matches.
    void ExpectIndexMatchesWalk(const WaitingList& waiting, const char* where) {
        for (const QueueEntry* entry = waiting.Head; entry; entry = entry->Next) {
            std::vector<const QueueEntry*> walk, chain;
            for (const QueueEntry* other = waiting.Head; other; other = other->Next)
                if (other->Nick.Equals(entry->Nick.c_str())) walk.push_back(other);
            for (const QueueEntry* link = waiting.FirstOfNick(entry->Nick.c_str()); link; link = link->NickNext)
                chain.push_back(link);
            ASSERT_EQ(chain, walk) << where << " " << entry->Nick.c_str();
            ASSERT_EQ(waiting.CountOfNick(entry->Nick.c_str()), walk.size()) << where;
            ASSERT_TRUE(waiting.HasRequest(entry->Nick.c_str(), entry->FilePath.c_str())) << where;
        }
        for (const char* nick : kNicks)
            for (const char* file : kFiles) {
                bool listed = false;
                for (const QueueEntry* entry = waiting.Head; entry; entry = entry->Next)
                    listed |= entry->Nick.Equals(nick) && entry->FilePath.Equals((Path(file)).c_str());
                ASSERT_EQ(waiting.HasRequest(nick, (Path(file)).c_str()), listed) << where;
            }
    }

    void Admit() {
        std::string nick = kNicks[Pick(6)], path = Path(kFiles[Pick(4)]);
        QueueEntry* entry = CreateQueueEntry(state, nick.c_str(), path.c_str(), kConnection, Pick(2) ? 10 : 1 << 20, config);
        char channelName[] = "#chan", message[] = "!get";
        TextEvent request{kConnection, channelName, &nick[0], message, static_cast<uint32_t>(Pick(3)), 0};
        if (AdmitEntry(state, channel, entry, request, "file") <= 0) ReleaseEntry(entry);
    }

    void Complete() {
        for (Queue* queue : {&channel->Regular, &config->Small, &config->OpVoice}) {
            if (!queue->Sending.Head) continue;
            QueueEntry* entry = queue->Sending.Head;
            std::string nick = entry->Nick.c_str(), path = entry->FilePath.c_str();
            Report(nick.c_str(), path.c_str(), Pick(2) == 0);
            return;
        }
    }

    void Remove() {
        Queue* queues[] = {&channel->Regular, &config->Small, &config->OpVoice};
        QueueKind kinds[] = {QueueKind::Regular, QueueKind::SmallFile, QueueKind::OpVoice};
        int which = Pick(3);
        if (QueueEntry* entry = Pick(2) ? queues[which]->Waiting.Head : queues[which]->Waiting.Tail)
            RemoveWaitingEntry(state, kinds[which], *queues[which], entry);
    }

    void Rename() {
        auto* change = platform.EventMemory.Record<NickChange>();
        change->OldNick = platform.EventMemory.Text(kNicks[Pick(6)]);
        change->NewNick = platform.EventMemory.Text(kNicks[Pick(6)]);
        HandleServerEvent(state, kEventNickChange, kConnection, reinterpret_cast<uintptr_t>(change));
    }

    // A restore appends what was saved, so the queues would double each
    // time: only short queues are put through it.
    void SaveAndRestore() {
        if (channel->Regular.Waiting.Count + config->Small.Waiting.Count + config->OpVoice.Waiting.Count > 30) return;
        SaveChannelQueues(state, channel);
        RestoreChannelQueues(state, channel);
    }

    void Step() {
        switch (Pick(8)) {
            case 0: case 1: Admit(); break;
            case 2: RunScheduler(state, channel); break;
            case 3: Complete(); break;
            case 4: Remove(); break;
            case 5: Rename(); break;
            case 6: gone.clear(); if (Pick(2)) gone.insert(kNicks[Pick(6)]); break;
            default: SaveAndRestore(); break;
        }
    }
};

TEST_F(WaitingIndexTest, IndexesAgreeWithAFullWalkAfterEveryStep) {
    config->MaxSlot = 3;
    config->LimitQueueSize = 1;
    config->QueueSize = 3;
    host.Answer("$ctime", "1000");
    host.Answer("$GetMinute(1000)", "0");
    FileList* list = NewRecord<FileList>();
    NameNode* folder = NewRecord<NameNode>();
    folder->Value.Set((scratch.Path() + "/s").c_str());
    mkdir((scratch.Path() + "/s").c_str(), 0755);
    for (const char* file : kFiles) std::ofstream(Path(file)) << file;
    list->CreationFolder.PushBack(folder);
    state.FileLists.PushBack(list);
    ListSelection* selection = NewRecord<ListSelection>();
    selection->List = list;
    config->FileListLinks.PushBack(selection);
    UserGroup* vip = AddUserGroup(state, "vip");
    AddGroupMember(vip, "bob");
    AddGroupsToChannel(state, config, {vip});
    config->UserGroupLinks.Head->Priority = 1;
    uint32_t longest = 0;
    for (int step = 0; step < kSteps; ++step) {
        Step();
        std::string where = "step " + std::to_string(step);
        ExpectIndexMatchesWalk(channel->Regular.Waiting, where.c_str());
        ExpectIndexMatchesWalk(config->Small.Waiting, where.c_str());
        ExpectIndexMatchesWalk(config->OpVoice.Waiting, where.c_str());
        if (HasFatalFailure()) return;
        longest = std::max(longest, channel->Regular.Waiting.Count + config->Small.Waiting.Count);
    }
    EXPECT_GE(longest, 5u) << "the mix never built a queue worth checking";
}

}  // namespace
}  // namespace qvs
