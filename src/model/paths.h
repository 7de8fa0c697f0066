// Windows path handling in one place: the host, the stored files and the
// list files all speak in backslash-separated paths.
#pragma once
#include <cstddef>
#include <string>

namespace qvs {

// The platform's path limit, terminating NUL included: files are opened
// through functions that refuse longer paths.
constexpr std::size_t kMaxPathLength = 260;

// The folder with exactly one backslash at its end.
std::string WithTrailingSeparator(const std::string& folder);

// The part after the last backslash (the whole path when there is none).
const char* PathFileName(const char* path);
// Everything up to and including the last backslash (empty when there is none).
std::string PathFolder(const std::string& path);

// Either slash parts a path.
bool IsSeparator(char c);

// Whether the path names something below the folder (either separator,
// names compared without regard to case) without climbing out of it through
// a ".." part.
bool PathIsInside(const std::string& path, const std::string& folder);

}  // namespace qvs
