// The companion script hands each event as one line of fields separated by
// single blanks: numbers, words, and at the end at most one free text that
// runs to the end of the line, blanks included.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "relay/host_profile.h"

namespace qvs::relay {

enum class Field { Number, Word, FreeText };

struct Arguments {
    std::vector<uint32_t> Numbers;
    std::vector<std::string> Texts;  // words and the free text, in order
};

// The host's data buffer as text: up to its terminator, or all of it when it
// is filled to the last byte; converted from UTF-8 when the host sends that.
std::string DataText(const char* data, const HostProfile& profile);

// False (and the event is not posted) when a field is missing or empty, a
// number is not all digits or exceeds 32 bits, or anything is left over.
bool ReadArguments(std::string_view line, const std::vector<Field>& fields, Arguments& out);

}  // namespace qvs::relay
