// Whole minutes or seconds, rounded to nearest, from a stored UTC file time
// to now. A stamp in the future (the clock was set back) counts as 0.
#pragma once
#include <cstdint>

namespace qvs {

constexpr uint64_t kTicksPerSecond = 10000000ull;

inline uint32_t ElapsedUnits(uint64_t since, uint64_t now, uint64_t ticksPerUnit) {
    if (now <= since) return 0;
    uint64_t units = (now - since + ticksPerUnit / 2) / ticksPerUnit;
    return units > 0xFFFFFFFFull ? 0xFFFFFFFFu : static_cast<uint32_t>(units);
}

inline uint32_t SecondsSince(uint64_t since, uint64_t now) { return ElapsedUnits(since, now, kTicksPerSecond); }
inline uint32_t MinutesSince(uint64_t since, uint64_t now) { return ElapsedUnits(since, now, 60 * kTicksPerSecond); }

}  // namespace qvs
