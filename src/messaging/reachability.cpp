#include "messaging/reachability.h"

#include <cstring>
#include <string>

#include "hostlink/host_link.h"
#include "hostlink/text_routines.h"

namespace qvs {
namespace {

bool IsUnsafeByte(unsigned char c) { return c <= ' ' || c == 127 || std::strchr(",()$%", c) != nullptr; }

}  // namespace

bool IsSafeName(const char* name) {
    if (!name || !*name) return false;
    std::size_t length = strnlen(name, kMaxNameLength + 1);
    if (length > kMaxNameLength) return false;
    for (std::size_t i = 0; i < length; ++i)
        if (IsUnsafeByte(static_cast<unsigned char>(name[i]))) return false;
    return true;
}

bool SharesChannel(ModuleState& state, uint32_t connectionId, const char* nick) {
    if (!IsSafeName(nick)) return false;
    std::string value;
    if (!Evaluate(state, value, "$GetComChan(%lu, %s)", static_cast<unsigned long>(connectionId), nick)) return false;
    uint32_t shared = ParseDecimal(value.c_str());
    return shared != 0 && shared != kInvalidNumber;
}

}  // namespace qvs
