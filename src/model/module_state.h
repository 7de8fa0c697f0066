// All module-wide state in one place: the heads of every list, the global
// settings, the List queue, the host-link object and the ports. Tests build
// a fresh one per case.
#pragma once
#include <cstdint>
#include <string>

#include "model/host_link_object.h"
#include "model/list.h"
#include "model/platform.h"
#include "model/records.h"

namespace qvs {

extern const char kAppName[];

// The root settings of channel.dat.
struct GlobalSettings {
    uint32_t Threshold = 2500;
    uint32_t EnableTopList = 1;
    uint32_t ListQueueEnable = 1;
    uint32_t ListQueueLimit = 2;
    uint32_t UseSaveQueueDuration = 0;
    uint32_t SaveQueueDuration = 5;
    uint32_t UseSaveConfig = 0;
    uint32_t SaveConfigInterval = 0;
    uint32_t UseQueueRestorationDelay = 0;
    uint32_t QueueRestorationDelay = 30;
    uint32_t UseFirewallWorkaround = 0;
    uint32_t UseWizard = 1;
    uint32_t FirewallWorkaroundPortName = 59;
    uint32_t UseCNotice = 1;
};

enum class HoldMode : uint32_t { UnholdAll, HoldAll, PerQueue };

struct ModuleState {
    Platform Ports;

    std::string ConfigFolder;  // ends with a backslash
    HostLink Link;

    GlobalSettings Settings;
    List<Connection> Connections;          // newest first
    List<ChannelConfig> ChannelConfigs;    // newest first
    List<FileList> FileLists;
    // Deleted lists a generation thread may still reach; released on the UI
    // thread once no generation of theirs is pending.
    List<FileList> RetiredLists;
    List<NetworkSettings> Networks;
    List<AdGroup> AdGroups;
    List<RandomTextFile> RandomFiles;
    List<UserGroup> UserGroups;
    List<NameNode> AvailableNicks;
    GroupSelectionDefaults NewGroupDefaults;
    Queue ListQueue;

    // Master switch of the Hold Queue page and the List queue's own flag;
    // neither is stored.
    HoldMode Hold = HoldMode::UnholdAll;
    uint32_t HoldListQueue = 0;
    // Total send speed, the three latest 2-second samples (bytes per second).
    uint32_t SpeedSamples[3] = {};
    uint32_t SpeedSampleSlot = 0;  // the sample the next reading replaces

    // Advertisement timers of the served channels, newest first.
    List<GroupActivation> GroupActivations;
    List<AdTimer> AdTimers;

    // Restored queues started one at a time by the drip timer, newest first.
    List<RestorationNode> PendingRestoration;
    TimerId RestorationTimer = 0;
    // Housekeeping minutes since queues were last saved on schedule.
    uint32_t QueueSaveMinutes = 0;
    // Housekeeping minutes since the configuration was last saved on schedule.
    uint32_t ConfigSaveMinutes = 0;
    // The statistics page's memory display follows the one-minute tick while
    // this is 1; a heap that cannot be walked clears it. Not stored.
    uint32_t AutoMemoryCheck = 1;

    // The kinds of operator message box open right now, one bit per kind:
    // their modal loops go on handling events, which must not open another.
    uint32_t OpenBoxes = 0;
};

// Wires the adapters in: the state's ports and those its host link uses.
void ConnectPorts(ModuleState& state, const Platform& ports);

}  // namespace qvs
