#include "model/paths.h"

#include <cstring>

namespace qvs {

const char* PathFileName(const char* path) {
    const char* last = std::strrchr(path, '\\');
    return last ? last + 1 : path;
}

std::string PathFolder(const std::string& path) { return path.substr(0, PathFileName(path.c_str()) - path.c_str()); }

std::string WithTrailingSeparator(const std::string& folder) {
    std::size_t end = folder.find_last_not_of('\\');
    return (end == std::string::npos ? std::string() : folder.substr(0, end + 1)) + '\\';
}

}  // namespace qvs
