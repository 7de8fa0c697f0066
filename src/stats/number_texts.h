// The number, size and speed texts that every user-visible message and page
// of the module shows.
#pragma once
#include <cstdint>
#include <string>

namespace qvs {

// 1234567 -> "1,234,567".
std::string FormatThousands(uint64_t value);

// A whole number below 10^16 exactly; anything else rounded to 7 significant
// digits, in fixed notation from 0.1 up to below 10^7 (trailing zeros
// dropped), otherwise as "1.234568e+007".
std::string FormatReal(double value);

// "%lu bytes", then KB, MB and GB with at most two decimals, cut not
// rounded: 1536 -> "1.5 KB", 1048575 -> "1023.99 KB".
std::string FormatSize(uint64_t bytes);

// The same steps for bytes per second: "cps", "KB/s", "MB/s", "GB/s".
std::string FormatSpeed(uint64_t cps);

// A decimal text cut to at most two digits after its point.
std::string CutToTwoDecimals(const std::string& number);

}  // namespace qvs
