// The numbers the operator types into the panel's fields, and the size
// units shown beside some of them. A field that is not a number stores 0; a
// number too large for 32 bits stores the largest 32-bit value instead of
// wrapping round to a small one (a typed 4294967296 must not become 0).
#pragma once
#include <cstdint>

namespace qvs {

constexpr uint32_t kLargestFieldNumber = 0xFFFFFFFFu;

// Digits only, blanks around them allowed; anything else reads as 0.
uint32_t ReadFieldNumber(const char* text);

// The size units of the panel: "byte", "KB", "MB", "GB", by index.
constexpr int kSizeUnitCount = 4;
extern const char* const kSizeUnitNames[kSizeUnitCount];
// number × the unit's factor, held at the largest 32-bit value.
uint32_t SizeInBytes(uint32_t number, int unit);
// The largest unit below unitCount in which size is a whole number of at
// least 1; zeroUnit for a size of 0.
int ChooseSizeUnit(uint32_t size, int unitCount, int zeroUnit);
uint32_t SizeInUnit(uint32_t size, int unit);

}  // namespace qvs
