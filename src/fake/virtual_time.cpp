#include "fake/virtual_time.h"

namespace qvs {
namespace {

constexpr uint64_t kTicksPerMs = 10000;
constexpr uint64_t kTicksPerDay = 864000000000ull;

// Days from 1601-01-01 to the civil date (proleptic Gregorian).
int64_t DaysFrom1601(int year, int month, int day) {
    year -= month <= 2;
    int64_t era = (year >= 0 ? year : year - 399) / 400;
    int64_t yearOfEra = year - era * 400;
    int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    int64_t daysFrom1970 = era * 146097 + dayOfEra - 719468;
    return daysFrom1970 + 134774;
}

}  // namespace

uint64_t FileTimeOf(int year, int month, int day, int hour, int minute, int second) {
    uint64_t days = static_cast<uint64_t>(DaysFrom1601(year, month, day));
    return days * kTicksPerDay + (static_cast<uint64_t>(hour) * 3600 + minute * 60 + second) * 10000000ull;
}

DateTime DateTimeOf(uint64_t fileTime) {
    int64_t days = static_cast<int64_t>(fileTime / kTicksPerDay) - 134774;  // since 1970
    uint64_t rest = fileTime % kTicksPerDay;
    days += 719468;
    int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    int64_t dayOfEra = days - era * 146097;
    int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    int64_t mp = (5 * dayOfYear + 2) / 153;
    DateTime time{};
    time.Day = static_cast<uint16_t>(dayOfYear - (153 * mp + 2) / 5 + 1);
    time.Month = static_cast<uint16_t>(mp < 10 ? mp + 3 : mp - 9);
    time.Year = static_cast<uint16_t>(yearOfEra + era * 400 + (time.Month <= 2));
    time.DayOfWeek = static_cast<uint16_t>((fileTime / kTicksPerDay + 1) % 7);  // 1601-01-01 was a Monday
    uint64_t ms = rest / kTicksPerMs;
    time.Hour = static_cast<uint16_t>(ms / 3600000);
    time.Minute = static_cast<uint16_t>(ms / 60000 % 60);
    time.Second = static_cast<uint16_t>(ms / 1000 % 60);
    time.Milliseconds = static_cast<uint16_t>(ms % 1000);
    return time;
}

DateTime VirtualTime::LocalNow() {
    int64_t shift = static_cast<int64_t>(localOffsetMinutes_) * 60 * 10000000;
    return DateTimeOf(static_cast<uint64_t>(static_cast<int64_t>(utc_) + shift));
}

TimerId VirtualTime::StartTimer(uint32_t periodMs, TimerHandler handler, void* context) {
    TimerId id = nextId_++;
    timers_[id] = Timer{periodMs, elapsedMs_ + periodMs, handler, context};
    return id;
}

uint32_t VirtualTime::PeriodOf(TimerId timer) const {
    auto found = timers_.find(timer);
    return found == timers_.end() ? 0 : found->second.PeriodMs;
}

bool VirtualTime::FireNextDue(uint64_t untilMs) {
    auto next = timers_.end();
    for (auto it = timers_.begin(); it != timers_.end(); ++it)
        if (it->second.DueMs <= untilMs && (next == timers_.end() || it->second.DueMs < next->second.DueMs)) next = it;
    if (next == timers_.end()) return false;
    uint64_t due = next->second.DueMs;
    utc_ += (due - elapsedMs_) * kTicksPerMs;
    elapsedMs_ = due;
    next->second.DueMs = due + (next->second.PeriodMs ? next->second.PeriodMs : 1);
    next->second.Handler(state_, next->second.Context, next->first);
    return true;
}

void VirtualTime::Advance(uint64_t milliseconds) {
    uint64_t until = elapsedMs_ + milliseconds;
    while (FireNextDue(until)) {
    }
    utc_ += (until - elapsedMs_) * kTicksPerMs;
    elapsedMs_ = until;
}

}  // namespace qvs
