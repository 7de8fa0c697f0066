#include "requests/request_removal.h"

#include "model/names.h"
#include "model/paths.h"
#include "model/queue_ops.h"
#include "sending/waiting_entries.h"

namespace qvs {
namespace {

struct Removal {
    const char* Nick;
    const char* FileName;    // null: every file of the nick
    const uint32_t* OnlyOn;  // null: whatever connection the entry came on
};

bool Removes(const Removal& removal, const QueueEntry* entry) {
    if (!entry->Nick.Equals(removal.Nick)) return false;
    if (removal.OnlyOn && entry->ConnectionId != *removal.OnlyOn) return false;
    return !removal.FileName || NamesEqual(PathFileName(entry->FilePath.c_str()), removal.FileName);
}

// Only waiting entries go: a send on its way is not taken back.
void RemoveFrom(ModuleState& state, QueueKind kind, Queue& queue, const Removal& removal) {
    for (QueueEntry* entry = queue.Waiting.Head; entry;) {
        QueueEntry* next = entry->Next;
        if (Removes(removal, entry)) RemoveWaitingEntry(state, kind, queue, entry);
        entry = next;
    }
}

// The Regular queue is the channel's own; the SmallFile and OpVoice queues
// are shared by every connection serving the channel name.
void RemoveFromChannelQueues(ModuleState& state, ServedChannel* channel, const Removal& own, const Removal& shared) {
    RemoveFrom(state, QueueKind::Regular, channel->Regular, own);
    RemoveFrom(state, QueueKind::SmallFile, channel->Config->Small, shared);
    RemoveFrom(state, QueueKind::OpVoice, channel->Config->OpVoice, shared);
}

}  // namespace

void RemoveAllRequests(ModuleState& state, ServedChannel* channel, const char* nick) {
    Removal removal{nick, nullptr, nullptr};
    RemoveFromChannelQueues(state, channel, removal, removal);
}

void RemoveFileRequests(ModuleState& state, ServedChannel* channel, const char* nick, uint32_t connectionId,
                        const char* fileName) {
    RemoveFromChannelQueues(state, channel, Removal{nick, fileName, nullptr}, Removal{nick, fileName, &connectionId});
}

}  // namespace qvs
