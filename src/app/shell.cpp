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
    ports.Profile = &Profile;
    ports.Worker = &Worker;
    ports.ListBody = &ListBody;
    ports.Processes = &Processes;
    ports.WorkerHost = &WorkerHost;
    ports.Memory = &Memory;
    ConnectPorts(State, ports);
}

Shell& TheShell() {
    static Shell shell;
    return shell;
}

}  // namespace qvs
