// The identifiers the module evaluates, answered from the live state: the
// host's own and the channel ones by the host model, the send ones from
// the live send windows, each as the companion script computes it.
#include <ctime>

#include "hostlink/companion_script.h"
#include "live/identifier_call.h"
#include "live/live_host.h"

namespace hostsim::live {
namespace {

bool Calls(const IdentifierCall& call, const char* format) { return SameName(call.Name, qvs::CompanionName(format)); }

std::string FolderOf(const std::string& path) { return path.substr(0, path.find_last_of('\\') + 1); }

std::string FileOf(const std::string& path) { return path.substr(path.find_last_of('\\') + 1); }

const char* StatusWord(SendStatus status) {
    switch (status) {
        case SendStatus::Waiting: return "waiting";
        case SendStatus::Active: return "active";
        case SendStatus::Sent: return "sent";
        default: return "failed";
    }
}

}  // namespace

bool LiveHost::Answer(const std::string& identifier, std::string& value) {
    model_.SetCtime(static_cast<uint64_t>(std::time(nullptr)));
    if (AnswerSendCall(identifier, value)) return true;
    return model_.Evaluate(identifier, value);
}

// The script's connection argument: digits only, 0 for the active one, and
// a connection that exists.
bool LiveHost::ScriptConnection(const std::string& text, uint32_t& id) const {
    if (!ScriptNumber(text, id)) return false;
    if (id == 0) id = kLiveConnectionId;
    return id == kLiveConnectionId && online_;
}

bool LiveHost::AnswerSendCall(const std::string& identifier, std::string& value) {
    IdentifierCall call;
    if (!ParseIdentifier(identifier, call)) return false;
    value.clear();
    return SameName(call.Name, "send") ? AnswerSendList(call, value) : AnswerNickSend(call, value);
}

// "$send(N)" and its properties; "$send(0)" counts every window.
bool LiveHost::AnswerSendList(const IdentifierCall& call, std::string& value) {
    uint32_t n = 0;
    if (!ScriptNumber(call.Arg(0), n)) return false;
    if (n == 0) return value = std::to_string(sends_.Count()), call.Property.empty();
    const SendWindow* window = sends_.At(n);
    return !window || AnswerSendOf(call.Property, *window, value);
}

// The script's per-nick send identifiers, over every window of the nick; a
// send neither active nor waiting has no path, file or speed.
bool LiveHost::AnswerNickSend(const IdentifierCall& call, std::string& value) {
    uint32_t id = 0, n = 0;
    bool known = ScriptConnection(call.Arg(0), id);
    std::string nick = FirstWord(call.Arg(1));
    if (Calls(call, qvs::kGetSendCountPerNickFormat))
        return value = std::to_string(known && !nick.empty() ? sends_.CountFor(id, nick) : 0), true;
    bool path = Calls(call, qvs::kGetSendPathNameFormat), file = Calls(call, qvs::kGetSendFileNameFormat);
    if (!path && !file && !Calls(call, qvs::kGetSendCpsForNickFormat)) return false;
    SendWindow* window = known && ScriptNumber(call.Arg(2), n) && n ? sends_.NthFor(id, nick, n) : nullptr;
    if (!window || !window->Transfer.Running()) return true;
    value = path ? FolderOf(window->Path) : file ? FileOf(window->Path) : std::to_string(window->Transfer.Cps(Now()));
    return true;
}

bool LiveHost::AnswerSendOf(const std::string& property, const SendWindow& window, std::string& value) {
    if (property.empty()) value = window.Nick;
    else if (SameName(property, "cps")) value = std::to_string(window.Transfer.Cps(Now()));
    else if (SameName(property, "file")) value = FileOf(window.Path);
    else if (SameName(property, "path")) value = FolderOf(window.Path);
    else if (SameName(property, "cid")) value = std::to_string(window.ConnectionId);
    else if (SameName(property, "status")) value = StatusWord(window.Transfer.Status());
    else if (SameName(property, "sent")) value = std::to_string(window.Transfer.Acknowledged());
    else return false;
    return true;
}

}  // namespace hostsim::live
