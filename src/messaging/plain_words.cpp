#include "messaging/plain_words.h"

#include <cstring>

namespace qvs {
namespace {

// Blanks, tabs, line breaks (which become blanks) and every other control
// byte may end a word for the host or for whatever reads the line after it.
bool IsWordBreak(char c) { return static_cast<unsigned char>(c) <= ' '; }

}  // namespace

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
        wordStart = IsWordBreak(*c);
    }
    return plain;
}

}  // namespace qvs
