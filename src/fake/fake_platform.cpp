#include "fake/fake_platform.h"

#include "intake/shutdown.h"
#include "persistence/compound/compound_storage.h"

namespace qvs {

FakePlatform::FakePlatform(const std::string& configFolder) {
    State.ConfigFolder = configFolder;
    if (State.ConfigFolder.empty() || (State.ConfigFolder.back() != '\\' && State.ConfigFolder.back() != '/'))
        State.ConfigFolder += '\\';
    Platform& ports = State.Ports;
    ports.Host = &Host;
    ports.Clock = &Time;
    ports.Timers = &Time;
    ports.Windows = &Windows;
    ports.Files = &Files;
    ports.Panel = &Panel;
    ports.EventMemory = &EventMemory;
    Storage = std::make_unique<CompoundFileStorage>();
    ports.Storage = Storage.get();
    ports.Worker = &Worker;
    ports.ListBody = &ListBody;
    ports.Processes = &Processes;
    ports.WorkerHost = &WorkerHost;
}

FakePlatform::~FakePlatform() { ReleaseAllRecords(State); }

}  // namespace qvs
