// printf-style formatting of a text for a user, cut where a HostLink text
// ends: a message can never outgrow the buffer it travels in.
#pragma once
#include <string>

namespace qvs {

std::string FormatUserText(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

}  // namespace qvs
