// Windows path handling in one place: the host, the stored files and the
// list files all speak in backslash-separated paths.
#pragma once

namespace qvs {

// The part after the last backslash (the whole path when there is none).
const char* PathFileName(const char* path);

}  // namespace qvs
