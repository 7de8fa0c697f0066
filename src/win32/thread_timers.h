// TimerPort over thread timers of the UI thread (SetTimer without a window).
//
// The ids handed to the core are our own and map to the platform's: the
// platform's thread timers die with the UI thread that made them, while the
// records that hold timer ids (advertisements, restore holds, flood pacing)
// live until unload. A UI thread started later by InitDLL takes the timers
// over and starts them again under the same ids.
#pragma once
#include "win32/windows_api.h"

#include <map>

#include "ports/timer_port.h"

namespace qvs {

class ThreadTimers final : public TimerPort {
public:
    explicit ThreadTimers(ModuleState& state) : state_(state) {}

    // Outside the UI thread a timer is only recorded; it starts when a UI
    // thread takes the timers over.
    TimerId StartTimer(uint32_t periodMs, TimerHandler handler, void* context) override;
    void KillTimer(TimerId timer) override;

    // The calling thread becomes the UI thread and runs every recorded timer.
    void TakeOver();
    // The UI thread is ending: its platform timers go, the records stay.
    void Release();
    // Unload: forgets every timer.
    void Clear();

private:
    struct Timer {
        UINT_PTR Platform;  // 0 while no UI thread runs it
        uint32_t PeriodMs;
        TimerHandler Handler;
        void* Context;
    };
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR platformId, DWORD);
    bool OnOwnerThread() const { return owner_ && owner_ == GetCurrentThreadId(); }
    void Arm(Timer& timer);
    void Dispatch(UINT_PTR platformId);

    ModuleState& state_;
    std::map<TimerId, Timer> timers_;
    TimerId nextId_ = 1;
    DWORD owner_ = 0;
};

}  // namespace qvs
