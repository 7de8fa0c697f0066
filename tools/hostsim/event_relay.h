// Plays the event relay: posts ServerEvents to the panel with payloads in
// global allocations, laid out as the module reads them.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

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

class EventRelay {
public:
    // False (and nothing allocated stays behind) when the post failed.
    bool PostText(HWND panel, uint32_t id, const std::string& channelText, const std::string& nick,
                  const std::string& message);
    bool PostSendEnded(HWND panel, bool completed, uint32_t id, const std::string& nick, const std::string& path,
                       uint32_t cps, uint32_t bytes);
    bool PostNickChange(HWND panel, uint32_t id, const std::string& from, const std::string& to);
    // 1524, 1525, 1531, 1533.
    bool PostWithText(HWND panel, uint32_t message, uint32_t id, const std::string& text);
    // 1526, 1527, 1536 and anything without a payload.
    bool PostBare(HWND panel, uint32_t message, uint32_t first);
    bool PostRaw(HWND panel, uint32_t message, uint32_t first, RawPayload payload, const std::string& text);
};

}  // namespace hostsim
