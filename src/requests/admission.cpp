#include "requests/admission.h"

#include "hostlink/user_text.h"
#include "messaging/routing.h"
#include "model/queue_ops.h"
#include "model/queue_words.h"
#include "ports/panel_port.h"

namespace qvs {
namespace {

constexpr char kAddedNotice[] =
    ": \x03" "2,15I have added\x03\x03" "12,15 %s \x03\x03" "2,15as\x03\x03" "12,15 %lu \x03\x03"
    "2,15in my %s queue. The send will be initiated as soon as possible.\x03";
constexpr char kAddedWithinLimitNotice[] =
    ": \x03" "2,15I have added\x03\x03" "12,15 %s \x03\x03" "2,15as\x03\x03" "12,15 %lu \x03\x03"
    "2,15in my %s queue. This is file %lu of %lu allowed in your queue.The send will be initiated as soon as "
    "possible.\x03";

struct NickLimit {
    bool Applies = false;
    uint32_t Value = 0;
};

uint32_t GroupQueueSize(const QueueEntry* entry) { return entry->Group ? entry->Group->QueueSize : 0; }

// A group's forced status replaces what the channel says about the nick.
uint32_t StatusOf(const QueueEntry* entry, uint32_t detected) {
    switch (entry->Group ? entry->Group->TreatAs : kTreatNone) {
        case kTreatRegular: return kStatusRegular;
        case kTreatVoice: return kStatusVoiced;
        case kTreatOp: return kStatusOperator;
        default: return detected;
    }
}

// No fall-through: a request refused by its queue is not tried in the next.
bool ChooseQueue(const ChannelConfig* config, const QueueEntry* entry, uint32_t status, QueueKind& kind) {
    if (entry->IsList == 1)
        kind = QueueKind::List;
    else if ((config->NiceToOp == 1 && status == kStatusOperator) ||
             (config->NiceToVoice == 1 && status == kStatusVoiced))
        kind = QueueKind::OpVoice;
    else if (config->EnableSQueue == 1 && entry->FileSize <= config->SQueueSize)
        kind = QueueKind::SmallFile;
    else if (config->EnableRegularQueue == 1)
        kind = QueueKind::Regular;
    else
        return false;
    return true;
}

// The nick's waiting entries in the queue; false when one of them is the
// same file (only waiting entries count, so a file being sent may be asked
// for again).
bool CountNickEntries(const Queue& queue, const QueueEntry* entry, uint32_t& count) {
    if (queue.Waiting.HasRequest(entry->Nick.c_str(), entry->FilePath.c_str())) return false;
    count = queue.Waiting.CountOfNick(entry->Nick.c_str());
    return true;
}

// A group's queue size limits its members even where the channel sets no
// limit of its own.
NickLimit LimitFor(const ChannelConfig* config, const QueueEntry* entry) {
    NickLimit limit;
    uint32_t groupSize = GroupQueueSize(entry);
    if (config->LimitQueueSize == 1) {
        limit.Applies = true;
        limit.Value = groupSize ? groupSize : config->QueueSize;
    } else if (groupSize) {
        limit.Applies = true;
        limit.Value = groupSize;
    }
    return limit;
}

// Priority entries go behind the earlier priority entries and before
// everyone else. Returns the position, counted from 0.
uint32_t InsertEntry(Queue& queue, QueueEntry* entry) {
    if (!entry->Group || entry->Group->Priority != 1) {
        uint32_t position = queue.Waiting.Count;
        queue.Waiting.PushBack(entry);
        return position;
    }
    uint32_t passed = 0;
    QueueEntry* at = queue.Waiting.Head;
    for (; at && at->Group && at->Group->Priority != 0; at = at->Next) ++passed;
    queue.Waiting.InsertBefore(at, entry);
    return passed;
}

void TellPosition(ModuleState& state, const TextEvent& request, QueueKind kind, const NickLimit& limit,
                  uint32_t nickCount, uint32_t position, const char* displayName) {
    auto place = static_cast<unsigned long>(position + 1);
    std::string text =
        limit.Applies
            ? FormatUserText(kAddedWithinLimitNotice, displayName, place, QueueWord(kind),
                             static_cast<unsigned long>(nickCount + 1), static_cast<unsigned long>(limit.Value))
            : FormatUserText(kAddedNotice, displayName, place, QueueWord(kind));
    SendNotice(state, request.ConnectionId, request.Nick, text.c_str(), request.ChannelText);
}

int ResultOf(QueueKind kind) {
    switch (kind) {
        case QueueKind::List: return kAdmittedList;
        case QueueKind::OpVoice: return kAdmittedOpVoice;
        case QueueKind::SmallFile: return kAdmittedSmallFile;
        case QueueKind::Regular: return kAdmittedRegular;
    }
    return kNoQueueAccepts;
}

}  // namespace

uint32_t NickLimitOf(const QueueEntry* entry, const ChannelConfig* config) {
    uint32_t groupSize = GroupQueueSize(entry);
    return groupSize ? groupSize : config->QueueSize;
}

int AdmitEntry(ModuleState& state, ServedChannel* channel, QueueEntry* entry, const TextEvent& request,
               const char* displayName) {
    ChannelConfig* config = channel->Config;
    entry->Channel = channel;
    QueueKind kind;
    if (!ChooseQueue(config, entry, StatusOf(entry, request.UserStatus), kind)) return kNoQueueAccepts;
    Queue& queue = QueueOf(state, kind, channel);
    uint32_t nickCount = 0;
    if (!CountNickEntries(queue, entry, nickCount)) return kAlreadyQueued;
    NickLimit limit = kind == QueueKind::List ? NickLimit{} : LimitFor(config, entry);
    if (limit.Applies && limit.Value <= nickCount) return kNickLimitReached;
    uint32_t position = InsertEntry(queue, entry);
    if (kind == QueueKind::Regular) entry->InRegularQueue = 1;
    state.Ports.Panel->RefreshQueueCounters(kind, kind == QueueKind::List ? nullptr : config,
                                            kind == QueueKind::Regular ? channel : nullptr);
    if (config->Verbose == 1) TellPosition(state, request, kind, limit, nickCount, position, displayName);
    state.Ports.Panel->QueueRowAdded(kind, entry);
    return ResultOf(kind);
}

}  // namespace qvs
