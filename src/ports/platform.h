// Every port the core talks through, gathered so one module state carries
// them all.
#pragma once
#include "ports/clock_port.h"
#include "ports/event_memory_port.h"
#include "ports/file_port.h"
#include "ports/host_transport.h"
#include "ports/panel_port.h"
#include "ports/profile_port.h"
#include "ports/storage_port.h"
#include "ports/timer_port.h"
#include "ports/window_port.h"

namespace qvs {

struct Platform {
    HostTransport* Host = nullptr;
    ClockPort* Clock = nullptr;
    TimerPort* Timers = nullptr;
    WindowPort* Windows = nullptr;
    FilePort* Files = nullptr;
    StoragePort* Storage = nullptr;
    PanelPort* Panel = nullptr;
    EventMemoryPort* EventMemory = nullptr;
    ProfilePort* Profile = nullptr;
};

}  // namespace qvs
