// Whether a nick can be addressed at all: a name that is safe to place in a
// host command or identifier, and a nick that shares a channel with us.
#pragma once
#include <cstddef>
#include <cstdint>

#include "model/module_state.h"

namespace qvs {

// Nicks and channel names longer than this are not real IRC names; the bound
// also keeps the addressing part of a message well inside its 1023
// characters, so only the message text can ever be cut.
constexpr std::size_t kMaxNameLength = 200;

// A nick or channel name that cannot change how the host reads the command
// or identifier it is placed in: not empty, bounded, no blank or control
// byte, none of the characters that separate or evaluate arguments, and not
// a lone '|', at which the host would split the command.
bool IsSafeName(const char* name);

// "$GetComChan" answers how many channels the nick shares with us: Unknown
// when the host refuses the evaluation; None for 0, a non-number or a nick
// that cannot be asked about.
enum class SharedChannels { Unknown, None, Some };
SharedChannels AskSharedChannels(ModuleState& state, uint32_t connectionId, const char* nick);

// Reachable only on a plain yes from the host.
bool SharesChannel(ModuleState& state, uint32_t connectionId, const char* nick);

}  // namespace qvs
