#include "hostlink/user_text.h"

#include <cstdarg>
#include <cstdio>

#include "model/module_state.h"

namespace qvs {

std::string FormatUserText(const char* format, ...) {
    char text[kHostLinkBufferSize];
    va_list args;
    va_start(args, format);
    int written = std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    return written < 0 ? std::string() : std::string(text);
}

}  // namespace qvs
