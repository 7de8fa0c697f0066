#include "requests/queue_insert.h"

#include "hostlink/companion_script.h"
#include "hostlink/host_link.h"
#include "hostlink/text_routines.h"
#include "messaging/reachability.h"
#include "ports/file_port.h"
#include "ports/panel_port.h"
#include "requests/new_entry.h"
#include "sending/send_slots.h"
#include "sending/shown_queue.h"

namespace qvs {
namespace {

uint32_t NickCount(ModuleState& state, unsigned long id, const char* channelName) {
    std::string value;
    if (!Evaluate(state, value, kGetNickCountFormat, id, channelName)) return 0;
    uint32_t count = ParseDecimal(value.c_str());
    if (count == kInvalidNumber) return 0;
    return count < kMostChannelNicks ? count : kMostChannelNicks;
}

QueueEntry* EntryFor(ModuleState& state, ServedChannel* channel, const InsertRow& row) {
    if (!IsSafeName(row.Nick.c_str()) || !state.Ports.Files->FileExists(row.FilePath)) return nullptr;
    int64_t size = state.Ports.Files->FileSize(row.FilePath);
    QueueEntry* entry = CreateQueueEntry(state, row.Nick.c_str(), row.FilePath.c_str(),
                                         channel->Connection->ConnectionId, size > 0 ? size : 0, channel->Config);
    if (!entry) return nullptr;
    entry->InRegularQueue = 1;
    entry->Channel = channel;
    return entry;
}

}  // namespace

std::vector<std::string> ChannelNicks(ModuleState& state, ServedChannel* channel) {
    std::vector<std::string> nicks;
    if (!ServedChannelExists(state, channel)) return nicks;
    const char* channelName = channel->Config->ChannelName.c_str();
    if (!IsSafeName(channelName)) return nicks;
    unsigned long id = channel->Connection->ConnectionId;
    uint32_t count = NickCount(state, id, channelName);
    for (unsigned long number = 1; number <= count; ++number) {
        std::string nick;
        if (!Evaluate(state, nick, kGetNickFormat, id, channelName, number)) continue;
        if (IsSafeName(nick.c_str()) && !channel->OwnNick.Equals(nick.c_str())) nicks.push_back(nick);
    }
    return nicks;
}

uint32_t InsertFiles(ModuleState& state, ServedChannel* channel, const std::vector<InsertRow>& rows) {
    if (!ServedChannelExists(state, channel)) return 0;
    uint32_t added = 0;
    for (const InsertRow& row : rows) {
        QueueEntry* entry = EntryFor(state, channel, row);
        if (!entry) continue;
        channel->Regular.Waiting.PushBack(entry);
        state.Ports.Panel->QueueRowAdded(QueueKind::Regular, entry);
        ++added;
    }
    if (added) RefreshQueueCounts(state, QueueKind::Regular, channel);
    return added;
}

}  // namespace qvs
