#include "stats/statistics.h"

#include "hostlink/host_link.h"
#include "model/channel_config.h"
#include "ports/panel_port.h"
#include "stats/number_texts.h"

namespace qvs {
namespace {

constexpr char kResetQuestion[] = "Do you really want to reset the channel statistics?";

}  // namespace

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

ChannelStatisticsTexts FormatChannelStatistics(ModuleState& state, const ChannelConfig* config) {
    ChannelStatisticsTexts texts;
    texts.Files = FormatThousands(config->NoOfFilesSent);
    texts.Size = FormatSize(config->SizeOfFilesSent);
    texts.Fastest = FormatSpeed(config->MaxSendSpeed);
    texts.Average = AverageSendText(state, config->AvgSendSpeed, config->NoOfFilesSent);
    return texts;
}

// The box's modal loop goes on handling events, which may delete the channel.
uint32_t ResetChannelStatistics(ModuleState& state, ChannelConfig* config) {
    if (!ChannelConfigExists(state, config)) return 0;
    if (state.Ports.Panel->ShowMessage(kResetQuestion, kIconQuestion) != kAnswerYes) return 0;
    if (!ChannelConfigExists(state, config)) return 0;
    config->NoOfFilesSent = 0;
    config->SizeOfFilesSent = 0;
    config->AvgSendSpeed = 0;
    config->MaxSendSpeed = 0;
    state.Ports.Panel->RefreshChannelStatistics(config);
    return 1;
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
