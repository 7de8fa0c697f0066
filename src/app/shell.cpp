#include "app/shell.h"

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
}

Shell& TheShell() {
    static Shell shell;
    return shell;
}

}  // namespace qvs
