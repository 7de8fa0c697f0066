#include "win32/shell.h"

namespace qvs {

Shell::Shell() {
    Platform& ports = State.Ports;
    ports.Host = &Host;
    ports.Clock = &Clock;
    ports.Timers = &Timers;
    ports.Windows = &Windows;
    ports.Files = &Files;
    ports.Storage = &Storage;
    ports.Panel = &Notifications;
    ports.EventMemory = &EventMemory;
    ports.ListBody = &ListBody;
    ports.Processes = &Processes;
}

Shell& TheShell() {
    static Shell shell;
    return shell;
}

}  // namespace qvs
