// The events the companion script hands to the relay, one export each, and
// the ServerEvent each becomes.
#pragma once
#include "relay/host_profile.h"
#include "relay/relay_ports.h"

namespace qvs::relay {

enum class RelayEvent {
    Connect,       // "<cid>"
    Disconnect,    // "<cid>"
    Join,          // "<cid> <channel>": the user joined
    Part,          // "<cid> <channel>": the user left or was kicked
    Text,          // "<cid> <channel> <nick> <message>"
    Query,         // "<cid> <channel> <nick> <message>": private, for that channel
    SendComplete,  // "<cid> <nick> <cps> <bytes> <full path>"
    SendFail,      // "<cid> <nick> <cps> <bytes> <full path>"
    OwnNick,       // "<cid> <new nick>"
    NickChange,    // "<cid> <old nick> <new nick>"
    Reachable,     // "<cid> <nick>"
    ClosePanel,    // ""
};

// Reads the script's line from the host's data buffer, builds the payload
// and posts it. False when the line is malformed or nothing was posted; then
// nothing stays allocated.
bool RelayFromScript(RelayEvent event, const char* data, const HostProfile& profile, PayloadAllocator& allocator,
                     EventSink& sink);

}  // namespace qvs::relay
