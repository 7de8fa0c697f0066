// The files chosen in the platform's file-open box when it lets the
// operator choose several: one full path alone, or the folder followed by
// the names chosen in it, each ended by a NUL and the whole by a second NUL.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

namespace qvs {

// The full paths; nothing for an empty answer. A buffer that was filled to
// its end without the closing NULs yields no file that was cut.
std::vector<std::string> ChosenFilePaths(const char* buffer, std::size_t size);

}  // namespace qvs
