#include "stats/number_texts.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace qvs {
namespace {

constexpr uint64_t kKilo = 1024;
constexpr double kLargestExactWhole = 1e16;
constexpr int kSignificantDigits = 7;

struct UnitSteps {
    const char* Smallest;  // printf format for the plain count
    const char* Units[3];  // kilo, mega, giga
};

constexpr UnitSteps kSizeUnits{"%llu bytes", {"KB", "MB", "GB"}};
constexpr UnitSteps kSpeedUnits{"%llu cps", {"KB/s", "MB/s", "GB/s"}};

std::string DropTrailingZeros(std::string fixed) {
    if (fixed.find('.') == std::string::npos) return fixed;
    while (fixed.back() == '0') fixed.pop_back();
    if (fixed.back() == '.') fixed.pop_back();
    return fixed;
}

// Seven significant digits placed around the point for exponents -1 to 6.
std::string FixedFromDigits(const std::string& digits, int exponent) {
    if (exponent < 0) return DropTrailingZeros("0." + digits);
    std::size_t whole = static_cast<std::size_t>(exponent) + 1;
    return DropTrailingZeros(digits.substr(0, whole) + "." + digits.substr(whole));
}

std::string ScientificFromDigits(const std::string& digits, int exponent) {
    char text[32];
    std::snprintf(text, sizeof text, "%c.%se%c%03d", digits[0], digits.substr(1).c_str(), exponent < 0 ? '-' : '+',
                  std::abs(exponent));
    return text;
}

std::string FormatRounded(double magnitude) {
    char scientific[40];
    std::snprintf(scientific, sizeof scientific, "%.*e", kSignificantDigits - 1, magnitude);
    std::string text = scientific;  // d.dddddde+XX
    std::size_t e = text.find('e');
    std::string digits = text.substr(0, 1) + text.substr(2, e - 2);
    int exponent = std::atoi(text.c_str() + e + 1);
    if (exponent >= -1 && exponent <= kSignificantDigits - 1) return FixedFromDigits(digits, exponent);
    return ScientificFromDigits(digits, exponent);
}

std::string FormatInUnits(uint64_t value, const UnitSteps& steps) {
    if (value < kKilo) {
        char text[32];
        std::snprintf(text, sizeof text, steps.Smallest, static_cast<unsigned long long>(value));
        return text;
    }
    int unit = 0;
    uint64_t divisor = kKilo;
    while (unit < 2 && value >= divisor * kKilo) {
        divisor *= kKilo;
        ++unit;
    }
    double quotient = static_cast<double>(value) / static_cast<double>(divisor);
    return CutToTwoDecimals(FormatReal(quotient)) + " " + steps.Units[unit];
}

}  // namespace

std::string FormatThousands(uint64_t value) {
    std::string digits = std::to_string(value);
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) grouped += ',';
        grouped += digits[i];
    }
    return grouped;
}

std::string FormatReal(double value) {
    if (value == 0) return "0";
    std::string sign = value < 0 ? "-" : "";
    double magnitude = std::fabs(value);
    if (magnitude < kLargestExactWhole && magnitude == std::floor(magnitude)) {
        char whole[32];
        std::snprintf(whole, sizeof whole, "%.0f", magnitude);
        return sign + whole;
    }
    return sign + FormatRounded(magnitude);
}

std::string CutToTwoDecimals(const std::string& number) {
    std::size_t point = number.find('.');
    if (point == std::string::npos) return number;
    std::size_t exponent = number.find('e', point);
    std::size_t fractionEnd = exponent == std::string::npos ? number.size() : exponent;
    std::size_t keep = fractionEnd - point - 1 < 2 ? fractionEnd : point + 3;
    std::string cut = number.substr(0, keep);
    if (exponent != std::string::npos) cut += number.substr(exponent);
    return cut;
}

std::string FormatSize(uint64_t bytes) { return FormatInUnits(bytes, kSizeUnits); }

std::string FormatSpeed(uint64_t cps) { return FormatInUnits(cps, kSpeedUnits); }

}  // namespace qvs
