#include "win32/thread_timers.h"

namespace qvs {
namespace {

// The platform calls back without context; one module has one timer table.
ThreadTimers* g_owner = nullptr;

}  // namespace

TimerId ThreadTimers::StartTimer(uint32_t periodMs, TimerHandler handler, void* context) {
    Timer timer{0, periodMs, handler, context};
    if (OnOwnerThread()) {
        Arm(timer);
        if (!timer.Platform) return 0;
    }
    TimerId id = nextId_++;
    timers_[id] = timer;
    return id;
}

void ThreadTimers::KillTimer(TimerId timer) {
    auto found = timers_.find(timer);
    if (found == timers_.end()) return;
    // Another thread cannot kill the UI thread's timer; when it fires it
    // finds no record and stops itself.
    if (found->second.Platform && OnOwnerThread()) ::KillTimer(nullptr, found->second.Platform);
    timers_.erase(found);
}

void ThreadTimers::TakeOver() {
    owner_ = GetCurrentThreadId();
    g_owner = this;
    for (auto& entry : timers_) Arm(entry.second);
}

void ThreadTimers::Release() {
    if (OnOwnerThread())
        for (auto& entry : timers_)
            if (entry.second.Platform) ::KillTimer(nullptr, entry.second.Platform);
    for (auto& entry : timers_) entry.second.Platform = 0;
    owner_ = 0;
}

void ThreadTimers::Clear() {
    Release();
    timers_.clear();
    if (g_owner == this) g_owner = nullptr;
}

void ThreadTimers::Arm(Timer& timer) { timer.Platform = SetTimer(nullptr, 0, timer.PeriodMs, OnTimer); }

void ThreadTimers::Dispatch(UINT_PTR platformId) {
    for (auto& entry : timers_) {
        if (entry.second.Platform != platformId) continue;
        // The handler may start or kill timers: nothing of the table is
        // used after the call.
        Timer timer = entry.second;
        timer.Handler(state_, timer.Context, entry.first);
        return;
    }
    ::KillTimer(nullptr, platformId);
}

void CALLBACK ThreadTimers::OnTimer(HWND, UINT, UINT_PTR platformId, DWORD) {
    try {
        if (g_owner) g_owner->Dispatch(platformId);
    } catch (...) {
    }
}

}  // namespace qvs
