// The ServerEvent wire: the private message numbers the event relay posts to
// the module's panel window and the payload records it allocates for them.
// The relay builds these records and the module reads them, so this header
// depends on nothing but fixed-width integer types.
#pragma once
#include <cstdint>

namespace qvs {

enum ServerEventMessage : uint32_t {
    kEventJoin = 1524,
    kEventPart = 1525,
    kEventConnect = 1526,
    kEventDisconnect = 1527,
    kEventText = 1528,
    kEventSendCompleted = 1529,
    kEventSendFailed = 1530,
    kEventOwnNick = 1531,
    kEventNickChange = 1532,
    kEventReachable = 1533,
    kEventClosePanel = 1536,
};

enum UserStatus : uint32_t { kStatusRegular = 0, kStatusVoiced = 1, kStatusOperator = 2 };

// Payload layouts as the relay fills them, fields in order.
struct TextEvent {
    uint32_t ConnectionId;
    char* ChannelText;  // channel, or '0' + channel for a private message
    char* Nick;
    char* Message;
    uint32_t UserStatus;
    uint32_t InQuery;
};

struct SendEvent {
    uint32_t ConnectionId;
    char* Nick;
    char* FilePath;
    uint32_t Cps;
    uint32_t Bytes;
};

struct NickChange {
    char* OldNick;
    char* NewNick;
};

}  // namespace qvs
