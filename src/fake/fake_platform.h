// Every fake adapter wired into one module state: the native stand-in for
// the module running inside the host.
#pragma once
#include <memory>
#include <string>

#include "fake/fake_event_memory.h"
#include "fake/fake_host.h"
#include "fake/fake_memory.h"
#include "fake/fake_windows.h"
#include "fake/fake_worker.h"
#include "fake/ini_profile.h"
#include "fake/posix_files.h"
#include "fake/recording_panel.h"
#include "fake/recording_worker_host.h"
#include "fake/scripted_processes.h"
#include "fake/virtual_time.h"
#include "lists/list_body_writer.h"
#include "model/module_state.h"

namespace qvs {

class FakePlatform {
public:
    // configFolder: an existing scratch folder; it becomes the configuration
    // folder (with a trailing separator).
    explicit FakePlatform(const std::string& configFolder);
    ~FakePlatform();
    FakePlatform(const FakePlatform&) = delete;
    FakePlatform& operator=(const FakePlatform&) = delete;

    ModuleState State;
    FakeHost Host;
    VirtualTime Time{State};
    FakeWindows Windows;
    PosixFiles Files;
    RecordingPanel Panel;
    FakeEventMemory EventMemory;
    IniProfile Profile;
    FakeWorker Worker;
    std::unique_ptr<StoragePort> Storage;
    ListBodyWriter ListBody{Files};
    ScriptedProcesses Processes;
    RecordingWorkerHost WorkerHost;
    FakeMemory Memory;
};

}  // namespace qvs
