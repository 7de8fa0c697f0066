// Every port the core talks through, gathered so one module state carries
// them all.
#pragma once
#include "ports/clock_port.h"
#include "ports/event_memory_port.h"
#include "ports/file_port.h"
#include "ports/host_transport.h"
#include "ports/list_body_library.h"
#include "ports/panel_port.h"
#include "ports/process_port.h"
#include "ports/storage_port.h"
#include "ports/timer_port.h"
#include "ports/window_port.h"
#include "ports/worker_host_port.h"
#include "ports/worker_port.h"

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
    // List generation: its threads and lock, the body library, the archiver
    // and the host as a generation thread reaches it.
    WorkerPort* Worker = nullptr;
    ListBodyLibrary* ListBody = nullptr;
    ProcessPort* Processes = nullptr;
    WorkerHostPort* WorkerHost = nullptr;
};

}  // namespace qvs
