// Whether two paths name one file, however they spell it: the same path,
// a link to it, or a second name of it.
#pragma once
#include <string>

namespace pkzipc {

// false when either path names nothing yet.
bool IsSameFile(const std::string& first, const std::string& second);

}  // namespace pkzipc
