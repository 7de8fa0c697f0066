// Which requested names may be looked up at all.
#pragma once
#include <cstddef>

namespace qvs {

// No file system the module serves from has longer file names.
constexpr std::size_t kMaxFileNameLength = 255;

// A requested name is one file name and nothing more: no folder part, no
// drive or stream colon, no control bytes, not "." or "..", not longer than
// a file name can be. Anything else could reach outside the served folders,
// so it is not found in any list.
bool IsServableFileName(const char* name);

}  // namespace qvs
