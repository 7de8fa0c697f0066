#include "requests/file_names.h"

#include <cstring>

namespace qvs {
namespace {

bool IsForbiddenByte(unsigned char c) { return c < 32 || c == '\\' || c == '/' || c == ':'; }

}  // namespace

bool IsServableFileName(const char* name) {
    std::size_t length = strnlen(name, kMaxFileNameLength + 1);
    if (length == 0 || length > kMaxFileNameLength) return false;
    if (std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0) return false;
    for (std::size_t i = 0; i < length; ++i)
        if (IsForbiddenByte(static_cast<unsigned char>(name[i]))) return false;
    return true;
}

}  // namespace qvs
