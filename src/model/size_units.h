// "File size eligible for this queue:" is a number and a unit ("byte", "KB",
// "MB", "GB") on the page and SQueueSize bytes in the record.
#pragma once
#include <cstdint>

namespace qvs {

enum class SizeUnit : uint32_t { Byte, Kilobyte, Megabyte, Gigabyte };

// The unit drop-down's items, in SizeUnit order.
extern const char* const kSizeUnitNames[4];

struct SizeInUnit {
    uint32_t Number = 0;
    SizeUnit Unit = SizeUnit::Megabyte;
};

// The largest unit in which the size is a whole number of at least 1; a size
// of 0 shows as 0 "MB".
SizeInUnit ChooseSizeUnit(uint32_t bytes);

// Number times the unit, held at 4294967295 rather than wrapping past 32 bits.
uint32_t SizeInBytes(uint32_t number, SizeUnit unit);

}  // namespace qvs
