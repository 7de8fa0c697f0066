#include "sending/minimum_speed.h"

#include <cstdio>
#include <string>

#include "hostlink/companion_script.h"
#include "hostlink/host_link.h"
#include "hostlink/text_routines.h"
#include "messaging/routing.h"
#include "model/paths.h"
#include "sending/close_host_send.h"
#include "sending/scheduler.h"
#include "sending/send_slots.h"

namespace qvs {
namespace {

constexpr char kTooSlowNotice[] =
    "\x03" "12,15%s \x03\x03" "2,15will be terminated because the average transfer rate dropped below\x03\x03"
    "12,15 %lu\x03\x03" "2,15 cps\x03";

uint64_t CpsSum(const QueueEntry* entry) { return (uint64_t{entry->CpsSumHigh} << 32) | entry->CpsSumLow; }

void SetCpsSum(QueueEntry* entry, uint64_t sum) {
    entry->CpsSumHigh = static_cast<uint32_t>(sum >> 32);
    entry->CpsSumLow = static_cast<uint32_t>(sum);
}

// A refused or unreadable answer is no reading at all.
bool TakeReading(ModuleState& state, QueueEntry* entry, uint32_t sendNumber) {
    std::string value;
    if (!Evaluate(state, value, kGetSendCpsForNickFormat, static_cast<unsigned long>(entry->ConnectionId),
                  entry->Nick.c_str(), static_cast<unsigned long>(sendNumber)))
        return false;
    uint32_t cps = ParseDecimal(value.c_str());
    if (cps == kInvalidNumber) return false;
    SetCpsSum(entry, CpsSum(entry) + cps);
    ++entry->CpsSamples;
    return true;
}

void EndSlowSend(ModuleState& state, ServedChannel* channel, QueueEntry* entry, uint32_t sendNumber) {
    const ChannelConfig* config = channel->Config;
    char text[1024];
    std::snprintf(text, sizeof text, kTooSlowNotice, PathFileName(entry->FilePath.c_str()),
                  static_cast<unsigned long>(config->MinSendCps));
    SendNotice(state, entry->ConnectionId, entry->Nick.c_str(), text, config->ChannelName.c_str());
    CloseNthHostSend(state, entry->ConnectionId, sendNumber, entry->Nick.c_str());
    EndSend(state, QueueKind::Regular, channel->Regular, entry);
    RunScheduler(state, channel);
}

}  // namespace

void ApplyMinimumSpeed(ModuleState& state, ServedChannel* channel, QueueEntry* entry, uint32_t sendNumber) {
    const ChannelConfig* config = channel->Config;
    if (config->UseMinCps != 1 || config->MinSendCps == 0) return;
    if (!TakeReading(state, entry, sendNumber) || entry->CpsSamples < kReadingsBeforeJudging) return;
    if (CpsSum(entry) / entry->CpsSamples < config->MinSendCps) EndSlowSend(state, channel, entry, sendNumber);
}

}  // namespace qvs
