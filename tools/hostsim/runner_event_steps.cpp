// Steps that change the simulated IRC world and tell the module through the
// event relay. Each waits until the module has handled its event.
#include "wire/server_event_wire.h"
#include "runner.h"
#include "step_words.h"

namespace hostsim {
namespace {

Outcome Usage(const char* usage) { return {false, std::string("usage: ") + usage}; }

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

}  // namespace

Outcome Runner::Connect(const Step& step) {
    uint32_t id = 0;
    if (!ParseUnsigned(step.Words[1], id)) return Usage("connect <cid> <network> <own nick>");
    model_.Connect(id, step.Words[2], step.Words[3]);
    return Relay("1526 (connected) for " + step.Words[1],
                 [&](HWND panel) { return relay_.PostBare(panel, qvs::kEventConnect, id); });
}

Outcome Runner::Disconnect(const Step& step) {
    uint32_t id = 0;
    if (!ParseUnsigned(step.Words[1], id)) return Usage("disconnect <cid>");
    Outcome outcome = Relay("1527 (disconnected) for " + step.Words[1],
                            [&](HWND panel) { return relay_.PostBare(panel, qvs::kEventDisconnect, id); });
    model_.Disconnect(id);
    return outcome;
}

Outcome Runner::Join(const Step& step) {
    uint32_t id = 0;
    if (!ParseUnsigned(step.Words[1], id)) return Usage("join <cid> <channel>");
    model_.Join(id, step.Words[2]);
    return Relay("1524 (joined) " + step.Words[2],
                 [&](HWND panel) { return relay_.PostWithText(panel, qvs::kEventJoin, id, step.Words[2]); });
}

Outcome Runner::Part(const Step& step) {
    uint32_t id = 0;
    if (!ParseUnsigned(step.Words[1], id)) return Usage("part <cid> <channel>");
    Outcome outcome = Relay("1525 (left) " + step.Words[2],
                            [&](HWND panel) { return relay_.PostWithText(panel, qvs::kEventPart, id, step.Words[2]); });
    model_.Part(id, step.Words[2]);
    return outcome;
}

Outcome Runner::User(const Step& step) {
    uint32_t id = 0;
    std::string mode = step.Words.size() > 4 ? step.Words[4] : "regular";
    if (!ParseUnsigned(step.Words[1], id) || (mode != "op" && mode != "voice" && mode != "regular"))
        return Usage("user <cid> <channel> <nick> [op|voice|regular]");
    model_.SetUser(id, step.Words[2], step.Words[3], mode == "op", mode == "voice");
    return {true, std::string()};
}

Outcome Runner::UserPart(const Step& step) {
    uint32_t id = 0;
    if (!ParseUnsigned(step.Words[1], id)) return Usage("user-part <cid> <channel> <nick>");
    model_.RemoveUser(id, step.Words[2], step.Words[3]);
    return {true, std::string()};
}

Outcome Runner::Text(const Step& step) {
    uint32_t id = 0;
    if (!ParseUnsigned(step.Words[1], id)) return Usage("text <cid> <channel> <nick> <message>");
    std::string message = step.Rest(4);
    return Relay("1528 (text) from " + step.Words[3] + " in " + step.Words[2] + ": " + Quoted(message),
                 [&](HWND panel) { return relay_.PostText(panel, id, step.Words[2], step.Words[3], message); });
}

Outcome Runner::Query(const Step& step) {
    uint32_t id = 0;
    if (!ParseUnsigned(step.Words[1], id)) return Usage("query <cid> <channel> <nick> <message>");
    std::string message = step.Rest(4);
    return Relay("1528 (private text) from " + step.Words[3] + " for " + step.Words[2] + ": " + Quoted(message),
                 [&](HWND panel) { return relay_.PostQuery(panel, id, step.Words[2], step.Words[3], message); });
}

// The host leaves sends with the old nick: the companion script moves them
// (followed, it does what it does; else hostsim does it on its behalf).
Outcome Runner::Nick(const Step& step) {
    uint32_t id = 0;
    if (!ParseUnsigned(step.Words[1], id)) return Usage("nick <cid> <old nick> <new nick>");
    const std::string& from = step.Words[2];
    const std::string& to = step.Words[3];
    model_.RenameUser(id, from, to);
    return Relay("1532 (nick change) " + from + " -> " + to, [&](HWND panel) {
        if (script_.Loaded()) return RunScriptEvent("NICK", {{"nick", from}, {"newnick", to}}, id);
        model_.Sends().MoveToNick(id, from, to);
        return relay_.PostNickChange(panel, id, from, to);
    });
}

Outcome Runner::OwnNick(const Step& step) {
    uint32_t id = 0;
    if (!ParseUnsigned(step.Words[1], id)) return Usage("own-nick <cid> <new nick>");
    model_.SetOwnNick(id, step.Words[2]);
    return Relay("1531 (own nick) " + step.Words[2],
                 [&](HWND panel) { return relay_.PostWithText(panel, qvs::kEventOwnNick, id, step.Words[2]); });
}

Outcome Runner::Reachable(const Step& step) {
    uint32_t id = 0;
    if (!ParseUnsigned(step.Words[1], id)) return Usage("reachable <cid> <nick>");
    return Relay("1533 (reachable) " + step.Words[2],
                 [&](HWND panel) { return relay_.PostWithText(panel, qvs::kEventReachable, id, step.Words[2]); });
}

Outcome Runner::Send(const Step& step) {
    uint32_t id = 0, cps = 0;
    if (!ParseUnsigned(step.Words[1], id) || (step.Words.size() > 4 && !ParseUnsigned(step.Words[4], cps)))
        return Usage("send <cid> <nick> <path> [cps]");
    model_.Sends().Open(id, step.Words[2], step.Words[3], cps);
    return {true, std::to_string(model_.Sends().Count()) + " send window(s)"};
}

// The window stays, marked sent or failed; the host reports the nick the
// window has (which is not the step's when the script did not move it),
// and none at all for an unnamed report.
Outcome Runner::SendEnded(const Step& step, bool completed, bool named) {
    uint32_t id = 0, cps = 0, bytes = 0;
    if (!ParseUnsigned(step.Words[1], id) || (step.Words.size() > 4 && !ParseUnsigned(step.Words[4], cps)) ||
        (step.Words.size() > 5 && !ParseUnsigned(step.Words[5], bytes)))
        return Usage("send-complete|send-fail <cid> <nick> <path> [cps [bytes]]");
    const std::string& path = step.Words[3];
    const SendWindow* window = model_.Sends().FindRunning(id, step.Words[2], path);
    std::string nick = window ? window->Nick : step.Words[2];
    if (!window) transcript_.Note("(the host ran no such send)");
    else model_.Sends().End(id, nick, path, completed, cps, bytes);
    if (!named) nick.clear();
    return Relay(std::string(completed ? "1529 (send completed) " : "1530 (send failed) ") + Quoted(nick) + " " +
                     Quoted(path),
                 [&](HWND panel) {
                     if (script_.Loaded())
                         return RunScriptEvent(completed ? "FILESENT" : "SENDFAIL",
                                               {{"nick", nick}, {"filename", path}}, id);
                     return relay_.PostSendEnded(panel, completed, id, nick, path, cps, bytes);
                 });
}

Outcome Runner::SendComplete(const Step& step) { return SendEnded(step, true, true); }
Outcome Runner::SendFail(const Step& step) { return SendEnded(step, false, true); }
Outcome Runner::SendCompleteUnnamed(const Step& step) { return SendEnded(step, true, false); }
Outcome Runner::SendFailUnnamed(const Step& step) { return SendEnded(step, false, false); }

Outcome Runner::ClosePanel(const Step&) {
    return Relay("1536 (close the panel)", [&](HWND panel) { return relay_.PostBare(panel, qvs::kEventClosePanel, 0); });
}

Outcome Runner::RawEvent(const Step& step) {
    static const struct {
        const char* Name;
        RawPayload Payload;
    } kPayloads[] = {
        {"none", RawPayload::None},           {"text", RawPayload::Text},
        {"unterminated", RawPayload::Unterminated}, {"short", RawPayload::ShortRecord},
        {"empty-texts", RawPayload::EmptyTexts},    {"null-texts", RawPayload::NullTexts},
    };
    uint32_t message = 0, first = 0;
    if (!ParseUnsigned(step.Words[1], message) || !ParseUnsigned(step.Words[2], first))
        return Usage("raw-event <message> <first> <payload> [text]");
    for (const auto& kind : kPayloads) {
        if (step.Words[3] != kind.Name) continue;
        std::string text = step.Rest(4);
        return Relay(step.Words[1] + " with payload " + kind.Name, [&](HWND panel) {
            return relay_.PostRaw(panel, message, first, kind.Payload, text);
        });
    }
    return Usage("raw-event <message> <first> none|text|unterminated|short|empty-texts|null-texts [text]");
}

}  // namespace hostsim
