#include "sending/hold.h"

#include "messaging/reachability.h"
#include "ports/panel_port.h"
#include "sending/send_slots.h"

namespace qvs {
namespace {

void HoldNickEntries(ModuleState& state, QueueKind kind, Queue& queue, const char* nick) {
    for (QueueEntry* entry = queue.Waiting.FirstOfNick(nick); entry; entry = entry->NickNext) {
        if (entry->Held) continue;
        entry->Held = 1;
        ++queue.HeldCount;
        state.Ports.Panel->QueueRowChanged(kind, entry);
    }
}

}  // namespace

uint32_t ReleaseHeldEntries(ModuleState& state, QueueKind kind, Queue& queue, const char* nick) {
    uint32_t released = 0;
    for (QueueEntry* entry = queue.Waiting.FirstOfNick(nick); entry; entry = entry->NickNext) {
        if (!entry->Held) continue;
        entry->Held = 0;
        entry->HeldMinutes = 0;
        if (queue.HeldCount) --queue.HeldCount;
        ++released;
        state.Ports.Panel->QueueRowChanged(kind, entry);
    }
    return released;
}

bool QueueIsHeld(const ModuleState& state, uint32_t holdFlag) {
    switch (state.Hold) {
        case HoldMode::UnholdAll: return false;
        case HoldMode::HoldAll: return true;
        case HoldMode::PerQueue: return holdFlag != 0;
    }
    return false;
}

uint32_t* HoldFlagOf(ModuleState& state, ChannelConfig* config, QueueKind kind) {
    if (kind == QueueKind::List) return &state.HoldListQueue;
    if (!config) return nullptr;
    if (kind == QueueKind::SmallFile) return &config->HoldSmallFile;
    return kind == QueueKind::OpVoice ? &config->HoldOpVoice : &config->HoldRegular;
}

bool EffectiveHold(ModuleState& state, ChannelConfig* config, QueueKind kind) {
    const uint32_t* flag = HoldFlagOf(state, config, kind);
    return flag ? QueueIsHeld(state, *flag) : state.Hold == HoldMode::HoldAll;
}

// A refused answer keeps the entry as it is; a name that cannot be placed in
// an identifier cannot be sent to either.
bool NickIsGone(ModuleState& state, uint32_t connectionId, const char* nick) {
    return AskSharedChannels(state, connectionId, nick) == SharedChannels::None;
}

bool HoldIfNickGone(ModuleState& state, QueueKind kind, Queue& queue, const ChannelConfig* config,
                    QueueEntry* entry) {
    if (config->HoldQueue != 1 || !NickIsGone(state, entry->ConnectionId, entry->Nick.c_str())) return false;
    HoldNickEntries(state, kind, queue, entry->Nick.c_str());
    RefreshQueueCounts(state, kind, entry->Channel);
    return true;
}

}  // namespace qvs
