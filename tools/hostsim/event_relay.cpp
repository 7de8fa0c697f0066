#include "event_relay.h"

#include <cstdlib>
#include <cstring>
#include <vector>

#include "wire/server_event_wire.h"

namespace hostsim {
namespace {

using qvs::NickChange;
using qvs::SendEvent;
using qvs::TextEvent;

char* GlobalText(const std::string& text) {
    auto* block = static_cast<char*>(GlobalAlloc(GPTR, text.size() + 1));
    if (block) std::memcpy(block, text.c_str(), text.size() + 1);
    return block;
}

char* GlobalBytes(const std::string& bytes) {
    auto* block = static_cast<char*>(GlobalAlloc(GPTR, bytes.empty() ? 1 : bytes.size()));
    if (block && !bytes.empty()) std::memcpy(block, bytes.data(), bytes.size());
    if (block && bytes.empty()) block[0] = 'x';  // still no terminator
    return block;
}

template <typename Record>
Record* GlobalRecord() {
    return static_cast<Record*>(GlobalAlloc(GPTR, sizeof(Record)));
}

void Free(void* block) {
    if (block) GlobalFree(block);
}

bool Post(HWND panel, uint32_t message, uint32_t first, void* payload) {
    return PostMessageA(panel, message, first, reinterpret_cast<LPARAM>(payload)) != FALSE;
}

// Records carry up to three texts: posted whole, or freed whole on failure.
template <typename Record, int N>
bool PostRecord(HWND panel, uint32_t message, uint32_t first, Record* record, char* (&texts)[N]) {
    if (record && Post(panel, message, first, record)) return true;
    for (char* text : texts) Free(text);
    Free(record);
    return false;
}

bool PostTextRecord(HWND panel, uint32_t id, char* channel, char* nick, char* message) {
    auto* event = GlobalRecord<TextEvent>();
    char* texts[] = {channel, nick, message};
    if (event) *event = TextEvent{id, channel, nick, message, 0, 0};
    return PostRecord(panel, qvs::kEventText, 0, event, texts);
}

bool PostSendRecord(HWND panel, bool completed, uint32_t id, char* nick, char* path, uint32_t cps, uint32_t bytes) {
    auto* event = GlobalRecord<SendEvent>();
    char* texts[] = {nick, path};
    if (event) *event = SendEvent{id, nick, path, cps, bytes};
    return PostRecord(panel, completed ? qvs::kEventSendCompleted : qvs::kEventSendFailed, 0, event, texts);
}

bool PostNickRecord(HWND panel, uint32_t id, char* from, char* to) {
    auto* change = GlobalRecord<NickChange>();
    char* texts[] = {from, to};
    if (change) *change = NickChange{from, to};
    return PostRecord(panel, qvs::kEventNickChange, id, change, texts);
}

// The event's own record with texts made by make (which may give null).
bool PostRecordOf(HWND panel, uint32_t message, uint32_t first, char* (*make)()) {
    switch (message) {
        case qvs::kEventText: return PostTextRecord(panel, first, make(), make(), make());
        case qvs::kEventSendCompleted:
        case qvs::kEventSendFailed: return PostSendRecord(panel, message == qvs::kEventSendCompleted, first, make(), make(), 0, 0);
        case qvs::kEventNickChange: return PostNickRecord(panel, first, make(), make());
        default: {
            char* text = make();
            if (Post(panel, message, first, text)) return true;
            Free(text);
            return false;
        }
    }
}

char* EmptyText() { return GlobalText(std::string()); }
char* NullText() { return nullptr; }

bool PostBlock(HWND panel, uint32_t message, uint32_t first, char* block) {
    if (block && Post(panel, message, first, block)) return true;
    Free(block);
    return false;
}

uint32_t Number(const std::string& word) { return static_cast<uint32_t>(std::strtoul(word.c_str(), nullptr, 10)); }

// The companion script's line for an event: fields separated by blanks.
std::string Line(uint32_t id, const std::string& rest) { return std::to_string(id) + " " + rest; }

bool WellFormed(const std::string& line, std::size_t fields, bool freeText) {
    if (fields == 0) return line.empty();
    std::size_t start = 0;
    for (std::size_t i = 1; i < fields; ++i) {
        std::size_t blank = line.find(' ', start);
        if (blank == std::string::npos || blank == start) return false;
        start = blank + 1;
    }
    std::string last = line.substr(start);
    return !last.empty() && (freeText || last.find(' ') == std::string::npos);
}

const char* RelayExportFor(uint32_t message) {
    switch (message) {
        case qvs::kEventJoin: return "Join";
        case qvs::kEventPart: return "Part";
        case qvs::kEventOwnNick: return "OwnNick";
        case qvs::kEventReachable: return "Reachable";
        case qvs::kEventConnect: return "Connect";
        case qvs::kEventDisconnect: return "Disconnect";
        case qvs::kEventClosePanel: return "ClosePanel";
        default: return "";
    }
}

// The line's fields: the first fields - 1 single words, the last the rest.
std::vector<std::string> Fields(const std::string& line, std::size_t fields) {
    std::vector<std::string> split;
    std::size_t start = 0;
    for (std::size_t i = 1; i < fields; ++i) {
        std::size_t blank = line.find(' ', start);
        split.push_back(line.substr(start, blank - start));
        start = blank + 1;
    }
    split.push_back(line.substr(start));
    return split;
}

}  // namespace

bool EventRelay::Through(const char* exportName, const std::string& line, std::size_t fields, bool freeText) {
    std::string hostLine = relay_->HostLine(line);
    return relay_->Call(exportName, hostLine) == WellFormed(hostLine, fields, freeText);
}

bool EventRelay::PostScriptLine(HWND panel, const std::string& exportName, const std::string& line) {
    if (relay_) return relay_->Call(exportName.c_str(), relay_->HostLine(line));
    bool ended = exportName == "SendComplete" || exportName == "SendFail";
    if (ended && WellFormed(line, 5, true)) {
        std::vector<std::string> f = Fields(line, 5);
        return PostSendEnded(panel, exportName == "SendComplete", Number(f[0]), f[1], f[4], Number(f[2]),
                             Number(f[3]));
    }
    if (exportName == "NickChange" && WellFormed(line, 3, false)) {
        std::vector<std::string> f = Fields(line, 3);
        return PostNickChange(panel, Number(f[0]), f[1], f[2]);
    }
    return false;
}

bool EventRelay::PostText(HWND panel, uint32_t id, const std::string& channelText, const std::string& nick,
                          const std::string& message) {
    if (relay_) return Through("Text", Line(id, channelText + " " + nick + " " + message), 4, true);
    return PostTextRecord(panel, id, GlobalText(channelText), GlobalText(nick), GlobalText(message));
}

bool EventRelay::PostQuery(HWND panel, uint32_t id, const std::string& channel, const std::string& nick,
                           const std::string& message) {
    if (relay_) return Through("Query", Line(id, channel + " " + nick + " " + message), 4, true);
    return PostTextRecord(panel, id, GlobalText("0" + channel), GlobalText(nick), GlobalText(message));
}

bool EventRelay::PostSendEnded(HWND panel, bool completed, uint32_t id, const std::string& nick, const std::string& path,
                               uint32_t cps, uint32_t bytes) {
    if (relay_)
        return Through(completed ? "SendComplete" : "SendFail",
                       Line(id, nick + " " + std::to_string(cps) + " " + std::to_string(bytes) + " " + path), 5, true);
    return PostSendRecord(panel, completed, id, GlobalText(nick), GlobalText(path), cps, bytes);
}

bool EventRelay::PostNickChange(HWND panel, uint32_t id, const std::string& from, const std::string& to) {
    if (relay_) return Through("NickChange", Line(id, from + " " + to), 3, false);
    return PostNickRecord(panel, id, GlobalText(from), GlobalText(to));
}

bool EventRelay::PostWithText(HWND panel, uint32_t message, uint32_t id, const std::string& text) {
    if (relay_) return Through(RelayExportFor(message), Line(id, text), 2, false);
    return PostBlock(panel, message, id, GlobalText(text));
}

bool EventRelay::PostBare(HWND panel, uint32_t message, uint32_t first) {
    bool closing = message == qvs::kEventClosePanel;
    if (relay_) return Through(RelayExportFor(message), closing ? "" : std::to_string(first), closing ? 0 : 1, false);
    return Post(panel, message, first, nullptr);
}

bool EventRelay::PostRaw(HWND panel, uint32_t message, uint32_t first, RawPayload payload, const std::string& text) {
    switch (payload) {
        case RawPayload::None: return Post(panel, message, first, nullptr);
        case RawPayload::Text: return PostBlock(panel, message, first, GlobalText(text));
        case RawPayload::Unterminated: return PostBlock(panel, message, first, GlobalBytes(text));
        case RawPayload::ShortRecord: return PostBlock(panel, message, first, static_cast<char*>(GlobalAlloc(GPTR, 4)));
        case RawPayload::EmptyTexts: return PostRecordOf(panel, message, first, EmptyText);
        case RawPayload::NullTexts: return PostRecordOf(panel, message, first, NullText);
    }
    return false;
}

}  // namespace hostsim
