#include "sending/start_send.h"

#include <cstdio>
#include <string>

#include "hostlink/companion_script.h"
#include "hostlink/connections.h"
#include "hostlink/host_link.h"
#include "lists/list_file_path.h"
#include "messaging/flood_control.h"
#include "messaging/reachability.h"
#include "messaging/routing.h"
#include "model/elapsed.h"
#include "model/paths.h"
#include "ports/clock_port.h"

namespace qvs {
namespace {

// Colour codes are split from the digits that follow them, which would
// otherwise be read as part of the escape.
constexpr char kOnTheWayNotice[] =
    ": \x03" "2,15After waiting\x03\x03" "12,15 %lu \x03\x03" "2,15min(s),\x03\x03" "12,15 %s \x03\x03"
    "2,15is on the way.\x03";
constexpr char kMinimumSpeedWarning[] =
    "\x03" "2,15 If transfer rate drops below\x03\x03" "12,15 %lu \x03\x03" "2,15cps it may get cancelled.\x03";
constexpr char kResendNotice[] =
    ": \x03" "2,15Resend attempt\x03\x03" "12,15 %lu\x03\x03" "2,15 of\x03\x03" "12,15 %lu\x03\x03" "2,15 :\x03\x03"
    "12,15 %s\x03\x03" "2,15. Type \x03\x03" "12,15@%s%s\x03\x03" "2,15 if you don't want this file to be resent.\x03";

constexpr std::size_t kNoticeSize = 1024;

bool WarnsAboutMinimumSpeed(const QueueEntry* entry, const ChannelConfig* config) {
    return entry->InRegularQueue == 1 && config->UseMinCps == 1 && config->MinSendCps > 0;
}

void FormatFirstStartNotice(ModuleState& state, const QueueEntry* entry, const ChannelConfig* config, char* text) {
    unsigned long waited = MinutesSince(entry->QueuedTime, state.Ports.Clock->UtcNow());
    int length = std::snprintf(text, kNoticeSize, kOnTheWayNotice, waited, PathFileName(entry->FilePath.c_str()));
    if (length < 0 || static_cast<std::size_t>(length) >= kNoticeSize || !WarnsAboutMinimumSpeed(entry, config))
        return;
    std::snprintf(text + length, kNoticeSize - length, kMinimumSpeedWarning,
                  static_cast<unsigned long>(config->MinSendCps));
}

void FormatResendNotice(const QueueEntry* entry, char* text) {
    std::snprintf(text, kNoticeSize, kResendNotice, static_cast<unsigned long>(entry->ResendAttempts),
                  static_cast<unsigned long>(entry->ResendLimit), PathFileName(entry->FilePath.c_str()),
                  entry->Channel->OwnNick.c_str(), "-NoResend");
}

void TellOnTheWay(ModuleState& state, const QueueEntry* entry, bool resend) {
    const ChannelConfig* config = entry->Channel->Config;
    if (config->Verbose != 1) return;
    char text[kNoticeSize];
    if (resend)
        FormatResendNotice(entry, text);
    else
        FormatFirstStartNotice(state, entry, config, text);
    SendNotice(state, entry->ConnectionId, entry->Nick.c_str(), text, config->ChannelName.c_str());
}

std::string FormatSendCommand(const ModuleState& state, const QueueEntry* entry) {
    const ChannelConfig* config = entry->Channel->Config;
    const unsigned long id = entry->ConnectionId;
    const unsigned long port = state.Settings.FirewallWorkaroundPortName;
    const unsigned long limit = config->SendSpeedLimit;
    const char* nick = entry->Nick.c_str();
    const char* path = entry->FilePath.c_str();
    bool limited = entry->InRegularQueue == 1 && config->UseSpeedLimit == 1 && limit > 0;
    bool alternate = state.Settings.UseFirewallWorkaround == 1;
    char command[kHostLinkBufferSize];
    if (alternate && limited)
        std::snprintf(command, sizeof command, kSendFileAlternateLimitFormat, id, limit, nick, port, path);
    else if (alternate)
        std::snprintf(command, sizeof command, kSendFileAlternateFormat, id, nick, port, path);
    else if (limited)
        std::snprintf(command, sizeof command, kSendFileLimitFormat, id, limit, nick, path);
    else
        std::snprintf(command, sizeof command, kSendFileFormat, id, nick, path);
    return command;
}

void IssueSendCommand(ModuleState& state, const QueueEntry* entry) {
    std::string command = FormatSendCommand(state, entry);
    Connection* connection = FindConnection(state, entry->ConnectionId);
    if (connection && FloodIsActive(connection->Network))
        PaceCommand(state, connection, command.c_str(), entry->Nick.c_str());
    else
        Execute(state, "%s", command.c_str());
}

}  // namespace

void StartSend(ModuleState& state, QueueEntry* entry, bool resend) {
    // A list file is sent as it is now, which may be a newer file than the
    // one that existed at the request.
    if (entry->IsList && entry->List) entry->FilePath.Set(ListFilePath(state, entry->List).c_str());
    // A nick that cannot be placed in a command gets no send; supervision
    // drops the entry when the host never lists it.
    if (!IsSafeName(entry->Nick.c_str())) return;
    TellOnTheWay(state, entry, resend);
    IssueSendCommand(state, entry);
}

}  // namespace qvs
