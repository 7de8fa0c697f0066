#include "hostlink/field_numbers.h"

namespace qvs {
namespace {

constexpr uint32_t kUnitFactors[kSizeUnitCount] = {1u, 1024u, 1048576u, 1073741824u};
constexpr uint32_t kDecimalBase = 10;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool ValidUnit(int unit) { return unit >= 0 && unit < kSizeUnitCount; }

}  // namespace

const char* const kSizeUnitNames[kSizeUnitCount] = {"byte", "KB", "MB", "GB"};

uint32_t ReadFieldNumber(const char* text) {
    if (!text) return 0;
    while (IsBlank(*text)) ++text;
    uint64_t value = 0;
    const char* digit = text;
    for (; *digit >= '0' && *digit <= '9'; ++digit)
        if (value <= kLargestFieldNumber) value = value * kDecimalBase + static_cast<uint64_t>(*digit - '0');
    while (IsBlank(*digit)) ++digit;
    if (digit == text || *digit) return 0;
    return value > kLargestFieldNumber ? kLargestFieldNumber : static_cast<uint32_t>(value);
}

uint32_t SizeInBytes(uint32_t number, int unit) {
    if (!ValidUnit(unit)) return number;
    uint64_t bytes = static_cast<uint64_t>(number) * kUnitFactors[unit];
    return bytes > kLargestFieldNumber ? kLargestFieldNumber : static_cast<uint32_t>(bytes);
}

int ChooseSizeUnit(uint32_t size, int unitCount, int zeroUnit) {
    if (size == 0) return zeroUnit;
    for (int unit = unitCount - 1; unit > 0; --unit)
        if (ValidUnit(unit) && size % kUnitFactors[unit] == 0) return unit;
    return 0;
}

uint32_t SizeInUnit(uint32_t size, int unit) { return ValidUnit(unit) ? size / kUnitFactors[unit] : size; }

}  // namespace qvs
