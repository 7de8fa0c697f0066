// Virtual clock and thread timers: tests move time forward and due timers
// fire in order, never by sleeping.
#pragma once
#include <cstdint>
#include <map>

#include "ports/clock_port.h"
#include "ports/timer_port.h"

namespace qvs {

class VirtualTime : public ClockPort, public TimerPort {
public:
    explicit VirtualTime(ModuleState& state) : state_(state) {}

    uint64_t UtcNow() override { return utc_; }
    DateTime LocalNow() override;
    uint32_t TickCount() override { return static_cast<uint32_t>(elapsedMs_); }
    TimerId StartTimer(uint32_t periodMs, TimerHandler handler, void* context) override;
    void KillTimer(TimerId timer) override { timers_.erase(timer); }

    // Moves time forward, firing every timer that falls due on the way.
    void Advance(uint64_t milliseconds);
    void SetUtc(uint64_t fileTime) { utc_ = fileTime; }
    // Local time is UTC shifted by a fixed offset.
    void SetLocalOffsetMinutes(int minutes) { localOffsetMinutes_ = minutes; }
    bool IsRunning(TimerId timer) const { return timers_.count(timer) != 0; }
    uint32_t PeriodOf(TimerId timer) const;
    std::size_t RunningCount() const { return timers_.size(); }

private:
    struct Timer {
        uint32_t PeriodMs;
        uint64_t DueMs;
        TimerHandler Handler;
        void* Context;
    };
    bool FireNextDue(uint64_t untilMs);

    ModuleState& state_;
    // 2026-03-07 09:05:03 UTC as a file time, a fixed start for every test.
    uint64_t utc_ = 134173479030000000ull;
    uint64_t elapsedMs_ = 0;
    int localOffsetMinutes_ = 0;
    TimerId nextId_ = 1;
    std::map<TimerId, Timer> timers_;
};

// File time of a civil UTC date and time.
uint64_t FileTimeOf(int year, int month, int day, int hour, int minute, int second);
DateTime DateTimeOf(uint64_t fileTime);

}  // namespace qvs
