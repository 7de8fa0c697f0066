#include "messaging/reachability.h"

#include <cstring>
#include <string>

#include "hostlink/companion_script.h"
#include "hostlink/host_link.h"
#include "hostlink/text_routines.h"

namespace qvs {
namespace {

bool IsUnsafeByte(unsigned char c) { return c <= ' ' || c == 127 || std::strchr(",()$%", c) != nullptr; }

// The host splits a command at a '|' that stands as a word of its own; a '|'
// inside a nick ("Joe|away") is part of the word.
bool IsCommandSeparator(const char* name) { return name[0] == '|' && name[1] == '\0'; }

}  // namespace

bool IsSafeName(const char* name) {
    if (!name || !*name || IsCommandSeparator(name)) return false;
    std::size_t length = strnlen(name, kMaxNameLength + 1);
    if (length > kMaxNameLength) return false;
    for (std::size_t i = 0; i < length; ++i)
        if (IsUnsafeByte(static_cast<unsigned char>(name[i]))) return false;
    return true;
}

SharedChannels AskSharedChannels(ModuleState& state, uint32_t connectionId, const char* nick) {
    if (!IsSafeName(nick)) return SharedChannels::None;
    std::string value;
    if (!Evaluate(state, value, kGetComChanFormat, static_cast<unsigned long>(connectionId), nick))
        return SharedChannels::Unknown;
    uint32_t shared = ParseDecimal(value.c_str());
    return shared != 0 && shared != kInvalidNumber ? SharedChannels::Some : SharedChannels::None;
}

bool SharesChannel(ModuleState& state, uint32_t connectionId, const char* nick) {
    return AskSharedChannels(state, connectionId, nick) == SharedChannels::Some;
}

}  // namespace qvs
