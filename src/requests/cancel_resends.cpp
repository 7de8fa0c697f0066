#include "requests/cancel_resends.h"

#include "requests/reply.h"

namespace qvs {
namespace {

constexpr char kResendCancelled[] = ": \x03" "12,15Resend cancelled\x03";

// Attempts used up: the next failure of that send is final.
void UseUpAttempts(Queue& queue, const char* nick, const ResendRule& rule) {
    for (QueueEntry* entry = queue.Sending.Head; entry; entry = entry->Next) {
        if (!entry->Nick.Equals(nick)) continue;
        entry->ResendAttempts = rule.Limit;
        return;
    }
}

}  // namespace

void CancelResends(ModuleState& state, ServedChannel* channel, const char* nick) {
    ChannelConfig* config = channel->Config;
    UseUpAttempts(channel->Regular, nick, config->RegularQueueResend);
    UseUpAttempts(config->Small, nick, config->SQueueResend);
    UseUpAttempts(config->OpVoice, nick, config->OpVoiceQueueResend);
    ReplyByNotice(state, channel, nick, kResendCancelled);
}

}  // namespace qvs
