#include "fake/fake_platform.h"

#include "hostlink/config_folder.h"
#include "intake/shutdown.h"
#include "persistence/compound/compound_storage.h"

namespace qvs {

FakePlatform::FakePlatform(const std::string& configFolder) {
    std::string folder = configFolder;
    if (folder.empty() || (folder.back() != '\\' && folder.back() != '/')) folder += '\\';
    SetConfigFolder(State, folder);
    Storage = std::make_unique<CompoundFileStorage>();
    Platform ports;
    ports.Host = &Host;
    ports.Clock = &Time;
    ports.Timers = &Time;
    ports.Windows = &Windows;
    ports.Files = &Files;
    ports.Panel = &Panel;
    ports.EventMemory = &EventMemory;
    ports.Profile = &Profile;
    ports.Storage = Storage.get();
    ports.Worker = &Worker;
    ports.ListBody = &ListBody;
    ports.Processes = &Processes;
    ports.WorkerHost = &WorkerHost;
    ports.Memory = &Memory;
    ConnectPorts(State, ports);
}

FakePlatform::~FakePlatform() { ReleaseAllRecords(State); }

}  // namespace qvs
