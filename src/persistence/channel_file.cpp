#include "persistence/channel_file.h"

#include "persistence/channel_selections.h"
#include "persistence/config_file.h"
#include "persistence/numbered_elements.h"

namespace qvs {
namespace {

constexpr char kChannelCountKey[] = "ChannelNo";
constexpr char kFailureText[] =
    "Fail to open %s for writing\r\nThe configuration of all channels cannot be saved\r\n"
    "You'll lose information about channels during this session";

// The root keys; a missing one keeps the setting's current value.
template <typename Keys, typename Record>
void GlobalKeys(const Keys& keys, Record& settings) {
    keys.Setting("Threshold", settings.Threshold);
    keys.Setting("EnableTopList", settings.EnableTopList);
    keys.Setting("ListQueueEnable", settings.ListQueueEnable);
    keys.Setting("ListQueueLimit", settings.ListQueueLimit);
    keys.Setting("UseSaveQueueDuration", settings.UseSaveQueueDuration);
    keys.Setting("SaveQueueDuration", settings.SaveQueueDuration);
    keys.Setting("UseSaveConfig", settings.UseSaveConfig);
    keys.Setting("SaveConfigInterval", settings.SaveConfigInterval);
    keys.Setting("UseQueueRestorationDelay", settings.UseQueueRestorationDelay);
    keys.Setting("QueueRestorationDelay", settings.QueueRestorationDelay);
    keys.Setting("UseFirewallWorkaround", settings.UseFirewallWorkaround);
    keys.Setting("UseWizard", settings.UseWizard);
    keys.Setting("FirewallWorkaroundPortName", settings.FirewallWorkaroundPortName);
    keys.Setting("UseCNotice", settings.UseCNotice);
}

// A channel's own keys. The defaults are those of a stored channel missing
// the key, not those of a channel the user adds.
template <typename Keys, typename Record>
void ChannelKeys(const Keys& keys, Record& config) {
    keys.String("ChannelName", config.ChannelName, StringForm::Terminated);
    keys.Dword("Serve", config.Serve);
    keys.Dword("NiceToOp", config.NiceToOp);
    keys.Dword("NiceToVoice", config.NiceToVoice);
    keys.Dword("EnableRegularQueue", config.EnableRegularQueue, 1);
    keys.Dword("SearchDisplayMethod", config.SearchDisplayMethod);
    keys.Dword("NotifyIfNoResult", config.NotifyIfNoResult);
    keys.Dword("FileSearchEnabled", config.FileSearchEnabled);
    keys.Dword("MinSlot", config.MinSlot);
    keys.Dword("MaxSlot", config.MaxSlot);
    keys.Dword("MaxFindResult", config.MaxFindResult);
    keys.Dword("BatchSize", config.BatchSize);
    keys.Dword("NoOfFilesSent", config.NoOfFilesSent);
    keys.Qword("SizeOfFilesSent", config.SizeOfFilesSent);
    keys.Qword("AvgSendSpeed", config.AvgSendSpeed);
    keys.Dword("MaxSendSpeed", config.MaxSendSpeed);
    keys.Dword("EnableSQueue", config.EnableSQueue);
    keys.Dword("SQueueSize", config.SQueueSize);
    keys.Dword("SQueueSlots", config.SQueueSlots);
    keys.Dword("OpSlots", config.OpSlots);
    keys.Dword("LimitQueueSize", config.LimitQueueSize);
    keys.Dword("QueueSize", config.QueueSize);
    keys.Dword("VirtualList", config.VirtualList);
    keys.Dword("HoldQueue", config.HoldQueue);
    keys.Dword("HoldTime", config.HoldTime);
    keys.Dword("SaveQueueOnExit", config.SaveQueueOnExit);
    keys.Dword("RestoreSavedQueue", config.RestoreSavedQueue);
    keys.Dword("RestoreAgeLimit", config.RestoreAgeLimit);
    keys.Dword("UseMinCps", config.UseMinCps);
    keys.Dword("MinSendCps", config.MinSendCps);
    keys.Dword("UseSpeedLimit", config.UseSpeedLimit);
    keys.Dword("SendSpeedLimit", config.SendSpeedLimit);
    keys.Dword("TopListValue", config.TopListValue, 10);
    keys.Dword("Verbose", config.Verbose, 1);
    keys.Dword("TopListCount", config.TopListCount, 10);
    keys.Dword("EnableQueue", config.EnableQueue, 1);
    keys.Dword("EnableTopList", config.EnableTopList, 1);
    keys.Dword("EnableHelp", config.EnableHelp, 1);
    keys.Dword("EnableStat", config.EnableStat, 1);
    keys.Dword("EnableList", config.EnableList, 1);
    keys.Dword("UseRegularQueueResend", config.RegularQueueResend.Use);
    keys.Dword("RegularQueueResendFileSize", config.RegularQueueResend.FileSize);
    keys.Dword("RegularQueueResendMethod", config.RegularQueueResend.Method);
    keys.Dword("RegularQueueResendLimit", config.RegularQueueResend.Limit);
    keys.Dword("UseOpVoiceQueueResend", config.OpVoiceQueueResend.Use);
    keys.Dword("OpVoiceQueueResendFileSize", config.OpVoiceQueueResend.FileSize);
    keys.Dword("OpVoiceQueueResendMethod", config.OpVoiceQueueResend.Method);
    keys.Dword("OpVoiceQueueResendLimit", config.OpVoiceQueueResend.Limit);
    keys.Dword("UseSQueueResend", config.SQueueResend.Use);
    keys.Dword("SQueueResendFileSize", config.SQueueResend.FileSize);
    keys.Dword("SQueueResendMethod", config.SQueueResend.Method);
    keys.Dword("SQueueResendLimit", config.SQueueResend.Limit);
    keys.Dword("AGFileTriggerMode", config.AGFileTriggerMode, 1);
    keys.Dword("UseSearchLengthLimit", config.UseSearchLengthLimit);
    keys.Dword("SearchLimit", config.SearchLimit);
}

void WriteChannel(const StorageRef& storage, const ChannelConfig& config) {
    ChannelKeys(KeyWriter(storage), config);
    WriteChannelSelections(storage, config);
}

}  // namespace

bool SaveChannelConfigs(ModuleState& state) {
    return SaveConfigFile(state, kChannelFile, kFailureText, [&](const StorageRef& root) {
        GlobalKeys(KeyWriter(root), state.Settings);
        WriteNumberedStorages(root, kFromOne, state.ChannelConfigs, WriteChannel);
        WriteDword(root, kChannelCountKey, state.ChannelConfigs.Count);
    });
}

void LoadChannelConfigs(ModuleState& state) {
    StorageRef root = OpenConfigFile(state, kChannelFile);
    if (!root) return;
    uint32_t count = ReadCount(root, kChannelCountKey);
    GlobalKeys(KeyReader(root), state.Settings);
    ReadNumberedRecords(root, kFromOne, count, state.ChannelConfigs, [&](const StorageRef& child, ChannelConfig& config) {
        ChannelKeys(KeyReader(child), config);
        ReadChannelSelections(state, child, config);
    });
}

}  // namespace qvs
