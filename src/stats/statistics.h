// What each served channel has sent: files, bytes, the sum of the send
// speeds and the fastest send, per channel and over all channels.
#pragma once
#include <cstdint>
#include <string>

#include "model/module_state.h"

namespace qvs {

// Counts one successful send of the Regular, SmallFile or OpVoice queue:
// its size in bytes and its speed in bytes per second.
void RecordCompletedSend(ChannelConfig* config, uint32_t bytes, uint32_t speed);

// The counters of every channel added up.
struct CombinedStatistics {
    uint64_t FilesSent = 0;
    uint64_t SizeSent = 0;
    uint32_t FastestSend = 0;
    uint64_t SpeedSum = 0;
};
CombinedStatistics CombineStatistics(const ModuleState& state);

// The texts of the "Global Statistics" window.
struct CombinedStatisticsTexts {
    std::string Files;
    std::string Size;
    std::string Fastest;
    std::string Average;
};
CombinedStatisticsTexts FormatCombinedStatistics(ModuleState& state);

// The four fields of the statistics page for one channel: "Files sent:",
// "Size of files sent:", "Fastest send:" and "Average send:".
struct ChannelStatisticsTexts {
    std::string Files;
    std::string Size;
    std::string Fastest;
    std::string Average;
};
ChannelStatisticsTexts FormatChannelStatistics(ModuleState& state, const ChannelConfig* config);

// "Reset stat.": after the operator's yes the channel's four counters start
// again from 0 and the page shows them; the top list file stays. 1 when
// reset; a channel deleted meanwhile is left alone.
uint32_t ResetChannelStatistics(ModuleState& state, ChannelConfig* config);

// The average send speed (speed sum / files, 0 without files) as the host's
// "$bytes(%s,k)" writes it, followed by " KB/s".
std::string AverageSendText(ModuleState& state, uint64_t speedSum, uint64_t filesSent);

}  // namespace qvs
