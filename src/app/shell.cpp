#include "app/shell.h"

namespace qvs {

Shell::Shell() {
    Platform ports;
    ports.Host = &Host;
    ports.Clock = &Clock;
    ports.Timers = &Timers;
    ports.Windows = &Windows;
    ports.Files = &Files;
    ports.Storage = &Storage;
    ports.Panel = &Notifications;
    ports.EventMemory = &EventMemory;
    ports.Worker = &Worker;
    ConnectPorts(State, ports);
    ports.ListBody = &ListBody;
    ports.Processes = &Processes;
}

Shell& TheShell() {
    static Shell shell;
    return shell;
}

}  // namespace qvs
