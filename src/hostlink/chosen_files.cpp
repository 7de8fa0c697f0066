#include "hostlink/chosen_files.h"

namespace qvs {
namespace {

// The NUL-ended strings of the buffer up to the empty one; a string the
// buffer's end cuts is left out, and ended tells whether the empty one came.
std::vector<std::string> Strings(const char* buffer, std::size_t size, bool& ended) {
    std::vector<std::string> strings;
    std::size_t at = 0;
    while (at < size && buffer[at]) {
        std::size_t end = at;
        while (end < size && buffer[end]) ++end;
        if (end == size) break;
        strings.emplace_back(buffer + at, end - at);
        at = end + 1;
    }
    ended = at < size && !buffer[at];
    return strings;
}

}  // namespace

std::vector<std::string> ChosenFilePaths(const char* buffer, std::size_t size) {
    bool ended = false;
    std::vector<std::string> strings = Strings(buffer, size, ended);
    // A folder whose only name was cut is no file.
    if (strings.size() < 2) return ended ? strings : std::vector<std::string>{};
    std::string folder = strings.front();
    if (folder.back() != '\\') folder += '\\';
    std::vector<std::string> paths;
    for (std::size_t i = 1; i < strings.size(); ++i) paths.push_back(folder + strings[i]);
    return paths;
}

}  // namespace qvs
