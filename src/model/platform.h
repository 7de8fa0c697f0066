// Every port the core talks through, gathered so one module state carries
// them all. The model only holds the pointers; code that calls a port
// includes its interface from ports/.
#pragma once

namespace qvs {

class HostTransport;
class ClockPort;
class TimerPort;
class WindowPort;
class FilePort;
class StoragePort;
class PanelPort;
class EventMemoryPort;
class WorkerPort;
class ListBodyLibrary;
class ProcessPort;
class WorkerHostPort;
class ProfilePort;
class MemoryPort;

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
    ProfilePort* Profile = nullptr;  // queue.dat
    MemoryPort* Memory = nullptr;    // the private heap
};

}  // namespace qvs
