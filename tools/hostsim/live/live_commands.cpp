// The module's commands as the host runs them: its own "/notice", "/msg"
// and "/close -sN nick", and the companion script's send aliases, which
// start real DCC sends.
#include <cstdlib>
#include <memory>
#include <sstream>

#include "live/host_text.h"
#include "live/identifier_call.h"
#include "live/live_host.h"
#include "send_commands.h"

namespace hostsim::live {
namespace {

// The longest line a server takes, without its CR LF.
constexpr std::size_t kIrcLineBytes = 510;
constexpr uint64_t kBytesPerKilobyte = 1024;
constexpr char kCloseSend[] = "-s";

// The script's send aliases: where the speed limit and the nick stand among
// the words before the path.
struct SendAlias {
    const char* Name;
    int LimitAt;  // -1: no limit
    int NickAt;
    int Words;
};

const SendAlias kSendAliases[] = {
    {"/SendFile", -1, 1, 2},
    {"/SendFileLimit", 1, 2, 3},
    {"/SendFileAlternate", -1, 1, 3},
    {"/SendFileAlternateLimit", 1, 2, 4},
};

// A nick cannot start with '-' (a switch), '#' or '&'.
bool BadNick(const std::string& nick) { return nick.empty() || nick[0] == '-' || nick[0] == '#' || nick[0] == '&'; }

std::string Rest(std::istringstream& words) {
    std::string rest;
    std::getline(words >> std::ws, rest);
    return rest;
}

SendRequest ReadSendAlias(const SendAlias& alias, const std::string& rest) {
    std::istringstream words(rest);
    std::vector<std::string> fields(static_cast<std::size_t>(alias.Words));
    for (std::string& field : fields) words >> field;
    SendRequest request{fields[0], fields[static_cast<std::size_t>(alias.NickAt)], Rest(words), 0};
    if (alias.LimitAt >= 0) request.LimitKilobytes = std::strtoul(fields[1].c_str(), nullptr, 10);
    return request;
}

bool IsFile(const std::string& path) {
    DWORD attributes = GetFileAttributesW(HostTextToWide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

void LiveHost::Execute(const std::string& command) {
    ++commands_;
    uint32_t scid = 0;
    std::istringstream words(WithoutScid(command, scid));
    std::string name;
    words >> name;
    if (SameName(name, "/notice")) return Say("NOTICE", scid, Rest(words));
    if (SameName(name, "/msg")) return Say("PRIVMSG", scid, Rest(words));
    if (SameName(name, "/close")) return CloseWindow(scid, Rest(words));
    if (SameName(name, "/QVSListDone")) return;  // the script only echoes it
    for (const SendAlias& alias : kSendAliases)
        if (SameName(name, alias.Name)) return SendFile(ReadSendAlias(alias, Rest(words)));
    Note("  (not a command the live host runs)");
}

// "/scid N" names the connection; the host has only its own.
void LiveHost::Say(const char* verb, uint32_t id, const std::string& rest) {
    if ((id && id != kLiveConnectionId) || !online_) return;
    std::size_t space = rest.find(' ');
    std::string target = rest.substr(0, space);
    std::string text = space == std::string::npos ? std::string() : rest.substr(space + 1);
    std::string line = std::string(verb) + " " + target + " :" + HostTextToUtf8(text);
    irc_.Write(line.substr(0, kIrcLineBytes));
}

// As the script's send alias: malformed calls do nothing; a send that
// cannot start is reported failed at once.
void LiveHost::SendFile(const SendRequest& request) {
    uint32_t id = 0, number = 0;
    if (!ScriptNumber(request.Connection, number) || request.Nick.empty() || request.Path.empty()) return;
    if (!ScriptConnection(request.Connection, id) || BadNick(request.Nick) || !IsFile(request.Path) || !online_)
        return Relay("SendFail", request.Connection + " " + request.Nick + " 0 0 " + HostTextToUtf8(request.Path));
    StartSend(id, request.Nick, request.Path, request.LimitKilobytes * kBytesPerKilobyte);
}

void LiveHost::StartSend(uint32_t id, const std::string& nick, const std::string& path, uint64_t limitBytes) {
    SendWindow& window = sends_.Open(id, nick, path);
    if (!window.Transfer.Start(path, limitBytes, Now())) {
        window.Transfer.Abort();
        window.Reported = true;
        return ReportEnd(window, false);
    }
    Note("send offered to " + nick + ": " + path + " (" + std::to_string(window.Transfer.Size()) + " bytes)");
    irc_.Write("PRIVMSG " + nick + " :" + window.Transfer.Offer());
}

// "/close -sN nick": the nick's N-th send window on the connection; a send
// still running ends as failed.
void LiveHost::CloseWindow(uint32_t scid, const std::string& rest) {
    std::istringstream words(rest);
    std::string which, nick;
    words >> which >> nick;
    uint32_t n = 0;
    if (which.compare(0, sizeof kCloseSend - 1, kCloseSend) != 0 || !ScriptNumber(which.substr(2), n)) return;
    std::unique_ptr<SendWindow> closed;
    if (!sends_.Close(scid ? scid : kLiveConnectionId, nick, n, closed)) return Note("  (no such send window)");
    Note("  closed the send of " + closed->Path + " to " + closed->Nick);
    if (!closed->Reported) ReportEnd(*closed, false);
}

// As the script's FILESENT and SENDFAIL handlers: "<cid> <nick> <cps> <bytes> <path>".
void LiveHost::ReportEnd(const SendWindow& window, bool completed) {
    uint64_t now = Now();
    Note(std::string("send ") + (completed ? "completed" : "failed") + " to " + window.Nick + ": " + window.Path +
         " (" + std::to_string(window.Transfer.Acknowledged()) + " bytes)");
    uint64_t bytes = std::min<uint64_t>(window.Transfer.Acknowledged(), 0xFFFFFFFFu);  // the module counts 32 bits
    Relay(completed ? "SendComplete" : "SendFail",
          std::to_string(window.ConnectionId) + " " + window.Nick + " " + std::to_string(window.Transfer.Cps(now)) +
              " " + std::to_string(bytes) + " " + HostTextToUtf8(window.Path));
}

void LiveHost::PollSends() {
    sends_.Poll(Now(), [this](SendWindow& window) { ReportEnd(window, window.Transfer.Status() == SendStatus::Sent); });
    if (options_.CloseFinished) sends_.DropSent();
}

}  // namespace hostsim::live
