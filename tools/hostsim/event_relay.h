// Plays the event relay: posts ServerEvents to the panel with payloads in
// global allocations, laid out as the module reads them.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

#include "relay_dll.h"

namespace hostsim {

// What a raw event carries as its second parameter, for malformed input.
enum class RawPayload {
    None,         // 0
    Text,         // a global text
    Unterminated, // a global block holding the bytes without a terminator
    ShortRecord,  // a 4-byte block where a record is expected
    EmptyTexts,   // the event's record with every text ""
    NullTexts,    // the event's record with every text pointer null
};

// Posts each event itself, or, once UseRelay named the real relay DLL, hands
// it to that relay as the companion script would (the relay then finds the
// panel itself; raw events, being malformed on purpose, are always posted
// here). Through the relay, an event succeeds when the relay posted exactly
// the lines that are well formed as the host hands them (no field empty,
// blanks only in a closing free text) and refused the others.
class EventRelay {
public:
    void UseRelay(RelayDll* relay) { relay_ = relay; }
    // False (and nothing allocated stays behind) when the post failed.
    bool PostText(HWND panel, uint32_t id, const std::string& channelText, const std::string& nick,
                  const std::string& message);
    // A private message, counted for the channel.
    bool PostQuery(HWND panel, uint32_t id, const std::string& channel, const std::string& nick,
                   const std::string& message);
    bool PostSendEnded(HWND panel, bool completed, uint32_t id, const std::string& nick, const std::string& path,
                       uint32_t cps, uint32_t bytes);
    bool PostNickChange(HWND panel, uint32_t id, const std::string& from, const std::string& to);
    // 1524, 1525, 1531, 1533.
    bool PostWithText(HWND panel, uint32_t message, uint32_t id, const std::string& text);
    // 1526, 1527, 1536 and anything without a payload.
    bool PostBare(HWND panel, uint32_t message, uint32_t first);
    bool PostRaw(HWND panel, uint32_t message, uint32_t first, RawPayload payload, const std::string& text);
    // A line the followed companion script hands to a relay export, posted
    // only when the relay would post it (it is well formed): true when posted.
    bool PostScriptLine(HWND panel, const std::string& exportName, const std::string& line);

private:
    bool Through(const char* exportName, const std::string& line, std::size_t fields, bool freeText);

    RelayDll* relay_ = nullptr;
};

}  // namespace hostsim
