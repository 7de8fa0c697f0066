#include "requests/request_line.h"

#include <cstring>

#include "hostlink/text_routines.h"

namespace qvs {

RequestLine SplitRequestLine(const char* message) {
    std::string line = message ? std::string(message, strnlen(message, kMaxLineLength)) : std::string();
    RequestLine parts;
    std::size_t space = line.find(' ');
    parts.Word = line.substr(0, space);
    if (space == std::string::npos) return parts;
    std::string rest = line.substr(space + 1);
    parts.Rest = TrimSpaces(&rest[0]);
    return parts;
}

}  // namespace qvs
