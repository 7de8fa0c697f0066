#include "sending/host_sends.h"

#include <string>

#include "hostlink/companion_script.h"
#include "hostlink/host_link.h"
#include "hostlink/text_routines.h"
#include "messaging/reachability.h"
#include "model/names.h"

namespace qvs {
namespace {

// A count the host answered, bounded; 0 when refused or unreadable.
uint32_t BoundedCount(bool answered, const std::string& value) {
    if (!answered) return 0;
    uint32_t count = ParseDecimal(value.c_str());
    if (count == kInvalidNumber) return 0;
    return count < kMostHostSends ? count : kMostHostSends;
}

}  // namespace

std::vector<SendSpeedReading> ReadHostSendSpeeds(ModuleState& state) {
    std::string value;
    uint32_t sends = BoundedCount(Evaluate(state, value, "$send(%lu)", 0ul), value);
    std::vector<SendSpeedReading> readings;
    for (unsigned long number = sends; number >= 1; --number) {
        SendSpeedReading reading;
        std::string cps;
        reading.Answered = Evaluate(state, cps, "$send(%lu).cps", number);
        if (reading.Answered) reading.Cps = ParseDecimal(cps.c_str());
        readings.push_back(reading);
    }
    return readings;
}

uint32_t CountStalledSends(ModuleState& state) {
    uint32_t stalled = 0;
    for (const SendSpeedReading& reading : ReadHostSendSpeeds(state))
        if (reading.Answered && reading.Cps == 0) ++stalled;
    return stalled;
}

uint32_t FindHostSend(ModuleState& state, uint32_t connectionId, const char* nick, const char* path) {
    if (!IsSafeName(nick)) return 0;
    const unsigned long id = connectionId;
    std::string value;
    uint32_t sends = BoundedCount(Evaluate(state, value, kGetSendCountPerNickFormat, id, nick), value);
    for (unsigned long number = 1; number <= sends; ++number) {
        std::string folder, name;
        if (!Evaluate(state, folder, kGetSendPathNameFormat, id, nick, number)) continue;
        Evaluate(state, name, kGetSendFileNameFormat, id, nick, number);
        if (NamesEqual((folder + name).c_str(), path)) return static_cast<uint32_t>(number);
    }
    return 0;
}

}  // namespace qvs
