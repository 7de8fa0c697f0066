#include "stats/statistics.h"

#include "hostlink/host_link.h"
#include "stats/number_texts.h"

namespace qvs {

void RecordCompletedSend(ChannelConfig* config, uint32_t bytes, uint32_t speed) {
    ++config->NoOfFilesSent;
    config->SizeOfFilesSent += bytes;
    config->AvgSendSpeed += speed;
    if (speed > config->MaxSendSpeed) config->MaxSendSpeed = speed;
}

CombinedStatistics CombineStatistics(const ModuleState& state) {
    CombinedStatistics sums;
    for (const ChannelConfig* config = state.ChannelConfigs.Head; config; config = config->Next) {
        sums.FilesSent += config->NoOfFilesSent;
        sums.SizeSent += config->SizeOfFilesSent;
        sums.SpeedSum += config->AvgSendSpeed;
        if (config->MaxSendSpeed > sums.FastestSend) sums.FastestSend = config->MaxSendSpeed;
    }
    return sums;
}

CombinedStatisticsTexts FormatCombinedStatistics(ModuleState& state) {
    CombinedStatistics sums = CombineStatistics(state);
    CombinedStatisticsTexts texts;
    texts.Files = std::to_string(sums.FilesSent);
    texts.Size = FormatSize(sums.SizeSent);
    texts.Fastest = FormatSpeed(sums.FastestSend);
    texts.Average = AverageSendText(state, sums.SpeedSum, sums.FilesSent);
    return texts;
}

std::string AverageSendText(ModuleState& state, uint64_t speedSum, uint64_t filesSent) {
    double average = filesSent ? static_cast<double>(speedSum) / static_cast<double>(filesSent) : 0.0;
    std::string kilobytes;
    // A host that cannot convert still gets kilobytes, only without its
    // own number style.
    if (!Evaluate(state, kilobytes, "$bytes(%s,k)", FormatReal(average).c_str()))
        kilobytes = CutToTwoDecimals(FormatReal(average / 1024.0));
    return kilobytes + " KB/s";
}

}  // namespace qvs
