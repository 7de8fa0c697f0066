#include "messaging/plain_words.h"

#include <cstring>

namespace qvs {

void FlattenLineBreaks(char* command) {
    for (char* c = command; *c; ++c)
        if (*c == '\r' || *c == '\n') *c = ' ';
}

std::string AsPlainWords(const char* text) {
    std::string plain;
    bool wordStart = true;
    for (const char* c = text; *c; ++c) {
        if (wordStart && std::strchr("$%|", *c)) plain += "\x02\x02";
        plain += *c;
        wordStart = *c == ' ' || *c == '\r' || *c == '\n';  // line breaks become blanks
    }
    return plain;
}

}  // namespace qvs
