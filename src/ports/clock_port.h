#pragma once
#include <cstdint>

#include "model/records.h"

namespace qvs {

class ClockPort {
public:
    virtual ~ClockPort() = default;
    // UTC file time: 100-nanosecond ticks since 1601-01-01.
    virtual uint64_t UtcNow() = 0;
    virtual DateTime LocalNow() = 0;
    // Milliseconds since an arbitrary start; wraps.
    virtual uint32_t TickCount() = 0;
};

}  // namespace qvs
