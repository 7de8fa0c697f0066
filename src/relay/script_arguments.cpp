#include "relay/script_arguments.h"

#include <cstring>
#include <limits>

#include "relay/code_page.h"

namespace qvs::relay {
namespace {

constexpr char kSeparator = ' ';
constexpr int kDecimalBase = 10;

bool ParseNumber(std::string_view digits, uint32_t& value) {
    uint64_t total = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return false;
        total = total * kDecimalBase + static_cast<uint64_t>(c - '0');
        if (total > std::numeric_limits<uint32_t>::max()) return false;
    }
    value = static_cast<uint32_t>(total);
    return !digits.empty();
}

// Takes the next field off the front of rest: a word up to the separator, or
// the free text whole.
bool TakeField(std::string_view& rest, Field field, std::string_view& taken) {
    std::size_t end = field == Field::FreeText ? rest.size() : rest.find(kSeparator);
    taken = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end);
    return !taken.empty();
}

bool StoreField(Field field, std::string_view taken, Arguments& out) {
    if (field != Field::Number) {
        out.Texts.emplace_back(taken);
        return true;
    }
    uint32_t value = 0;
    if (!ParseNumber(taken, value)) return false;
    out.Numbers.push_back(value);
    return true;
}

}  // namespace

std::string DataText(const char* data, const HostProfile& profile) {
    if (!data) return std::string();
    const void* end = std::memchr(data, '\0', profile.DataBytes);
    std::size_t length = end ? static_cast<std::size_t>(static_cast<const char*>(end) - data) : profile.DataBytes;
    std::string_view text(data, length);
    return profile.Utf8 ? Utf8ToWindows1252(text) : std::string(text);
}

bool ReadArguments(std::string_view line, const std::vector<Field>& fields, Arguments& out) {
    std::string_view rest = line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            if (rest.empty() || rest.front() != kSeparator) return false;
            rest.remove_prefix(1);
        }
        std::string_view taken;
        if (!TakeField(rest, fields[i], taken) || !StoreField(fields[i], taken, out)) return false;
    }
    return rest.empty();
}

}  // namespace qvs::relay
