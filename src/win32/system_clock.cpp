#include "win32/system_clock.h"

#include "win32/windows_api.h"

namespace qvs {

uint64_t SystemClock::UtcNow() {
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    return (static_cast<uint64_t>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
}

DateTime SystemClock::LocalNow() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return DateTime{now.wYear, now.wMonth, now.wDayOfWeek, now.wDay, now.wHour, now.wMinute, now.wSecond, now.wMilliseconds};
}

uint32_t SystemClock::TickCount() { return GetTickCount(); }

}  // namespace qvs
