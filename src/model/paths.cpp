#include "model/paths.h"

#include <cstring>

#include "model/names.h"

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

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

namespace {

bool ClimbsUp(const std::string& path) {
    for (std::size_t at = path.find(".."); at != std::string::npos; at = path.find("..", at + 1)) {
        bool startsPart = at == 0 || IsSeparator(path[at - 1]);
        bool endsPart = at + 2 == path.size() || IsSeparator(path[at + 2]);
        if (startsPart && endsPart) return true;
    }
    return false;
}

}  // namespace

bool PathIsInside(const std::string& path, const std::string& folder) {
    std::size_t length = folder.size();
    while (length && IsSeparator(folder[length - 1])) --length;
    if (length == 0 || path.size() <= length + 1 || !IsSeparator(path[length])) return false;
    return NamesEqualN(path.c_str(), folder.c_str(), length) && !ClimbsUp(path);
}

}  // namespace qvs
