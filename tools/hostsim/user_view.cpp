#include "user_view.h"

#include <cstdint>
#include <cstring>

#include "send_commands.h"

namespace hostsim {
namespace {

constexpr char kColour = '\x03';
constexpr char kOtherCodes[] = "\x02\x0F\x16\x1D\x1F";

bool IsDigit(const std::string& text, std::size_t at) { return at < text.size() && text[at] >= '0' && text[at] <= '9'; }

// Past up to two digits from at.
std::size_t SkipNumber(const std::string& text, std::size_t at) {
    for (int i = 0; i < 2 && IsDigit(text, at); ++i) ++at;
    return at;
}

// Past a colour code's "text[,background]" numbers, where at follows the
// code byte; a comma belongs to the code only when a digit follows it.
std::size_t SkipColourNumbers(const std::string& text, std::size_t at) {
    if (!IsDigit(text, at)) return at;
    at = SkipNumber(text, at);
    if (at < text.size() && text[at] == ',' && IsDigit(text, at + 1)) at = SkipNumber(text, at + 1);
    return at;
}

std::string WithoutCodes(const std::string& text) {
    std::string plain;
    for (std::size_t at = 0; at < text.size();) {
        char c = text[at++];
        if (c == kColour)
            at = SkipColourNumbers(text, at);
        else if (!std::strchr(kOtherCodes, c))
            plain += c;
    }
    return plain;
}

}  // namespace

std::string UserView(const std::string& command) {
    uint32_t id = 0;
    std::string rest = WithoutScid(command, id);
    std::size_t verbEnd = rest.find(' ');
    if (verbEnd == std::string::npos) return std::string();
    std::string verb = rest.substr(0, verbEnd);
    if (verb != "/notice" && verb != "/msg") return std::string();
    std::size_t nickEnd = rest.find(' ', verbEnd + 1);
    if (nickEnd == std::string::npos) return std::string();
    return rest.substr(verbEnd + 1, nickEnd - verbEnd - 1) + " reads: " + WithoutCodes(rest.substr(nickEnd + 1));
}

}  // namespace hostsim
