// The serving records every subsystem shares. Plain structs, zero-filled on
// creation, linked with Next/Prev; operations on them are free functions.
#pragma once
#include <atomic>
#include <cstdint>

#include "model/list.h"
#include "model/text.h"
#include "model/waiting_list.h"

namespace qvs {

using WindowHandle = uintptr_t;
using TimerId = uintptr_t;

struct Connection;
struct ServedChannel;
struct ChannelConfig;
struct FileList;
struct QueueEntry;
struct AdGroup;
struct UserGroup;

// The platform's 16-byte local date-time layout (eight 16-bit words).
struct DateTime {
    uint16_t Year, Month, DayOfWeek, Day, Hour, Minute, Second, Milliseconds;
};

struct NameNode {
    Text Value;  // a network name or a search trigger word
    NameNode* Next = nullptr;
    NameNode* Prev = nullptr;
};

struct PendingMessage {
    Text Command;  // the complete host command
    Text Target;   // the nick it goes to
    PendingMessage* Next = nullptr;
    PendingMessage* Prev = nullptr;
};

struct NetworkSettings {
    Text NetworkName;
    uint32_t UseExcessFlood = 0;
    uint32_t ExcessFloodInterval = 0;  // seconds
    uint32_t UseTargetChange = 0;
    uint32_t TargetChangeInterval = 0;  // seconds
    NetworkSettings* Prev = nullptr;
    NetworkSettings* Next = nullptr;
};

struct Connection {
    uint32_t ConnectionId = 0;
    Text NetworkName;
    List<ServedChannel> ServedChannels;  // newest first
    TimerId FloodTimer = 0;
    List<PendingMessage> Pending;  // oldest first
    WindowHandle FloodWindow = 0;
    NetworkSettings* Network = nullptr;
    Text LastTarget;
    uint64_t LastSendTime = 0;
    Connection* Next = nullptr;
    Connection* Prev = nullptr;
};

// One waiting list, its held count and its sending list: the shape shared by
// the List, SmallFile, OpVoice and Regular queues.
struct Queue {
    WaitingList Waiting;
    uint32_t HeldCount = 0;
    List<QueueEntry> Sending;
};

enum class QueueKind : uint32_t { List, SmallFile, OpVoice, Regular };

struct InstanceLink {
    ServedChannel* Channel = nullptr;
    InstanceLink* Next = nullptr;
    InstanceLink* Prev = nullptr;
};

struct Batch {
    Text Nick;
    uint32_t FilesStarted = 0;
    uint32_t Ready = 0;
    Batch* Next = nullptr;
    Batch* Prev = nullptr;
};

struct ServedChannel {
    ChannelConfig* Config = nullptr;
    struct Connection* Connection = nullptr;  // owner
    InstanceLink* ConfigLink = nullptr;
    Queue Regular;
    List<Batch> Batches;
    Text OwnNick;
    uint32_t RestoreHold = 0;  // milliseconds; sends from own queues wait while set
    TimerId RestoreTimer = 0;
    ServedChannel* Next = nullptr;
    ServedChannel* Prev = nullptr;
};

// A channel's entry on a FileList's or AdGroup's list of channels.
template <typename SelectionRecord>
struct ChannelLink {
    SelectionRecord* Selection = nullptr;
    ChannelConfig* Config = nullptr;
    ChannelLink* Next = nullptr;
    ChannelLink* Prev = nullptr;
};

struct ListSelection;
struct AdGroupSelection;
using ListChannelLink = ChannelLink<ListSelection>;
using AdChannelLink = ChannelLink<AdGroupSelection>;

enum AccessMode : uint32_t { kChannelWindowOnly = 1, kQueryWindowOnly = 2, kBothWindows = 3 };

struct ListSelection {
    FileList* List = nullptr;
    ListChannelLink* Link = nullptr;
    uint32_t AccessMode = kBothWindows;
    ListSelection* Next = nullptr;
    ListSelection* Prev = nullptr;
};

struct AdGroupSelection {
    AdGroup* Group = nullptr;
    AdChannelLink* Link = nullptr;
    uint32_t DisplayWhen = 0;
    uint32_t DisplayMethod = 0;
    uint32_t RunAfter = 0;
    Text Trigger;  // absent when the group has no trigger word
    uint32_t Enable = 0;
    AdGroupSelection* Next = nullptr;
    AdGroupSelection* Prev = nullptr;
};

enum TreatAs : uint32_t { kTreatNone = 0, kTreatRegular = 1, kTreatVoice = 2, kTreatOp = 3 };

struct GroupSelection {
    UserGroup* Group = nullptr;
    ChannelConfig* Config = nullptr;
    uint32_t Ignored = 0;
    uint32_t Priority = 0;
    uint32_t QueueSize = 0;
    uint32_t BatchSize = 0;
    uint32_t TreatAs = kTreatNone;
    GroupSelection* Prev = nullptr;
    GroupSelection* Next = nullptr;
};

// Resend rule of one queue.
struct ResendRule {
    uint32_t Use = 1;
    uint32_t FileSize = 0;
    uint32_t Method = 0;
    uint32_t Limit = 0;
};

struct ChannelConfig {
    Text ChannelName;
    uint32_t Serve = 1;
    uint32_t NiceToOp = 1;
    uint32_t NiceToVoice = 1;
    uint32_t EnableRegularQueue = 1;
    uint32_t FileSearchEnabled = 1;
    List<AdGroupSelection> AdGroupLinks;
    List<ListSelection> FileListLinks;
    List<InstanceLink> Instances;
    List<GroupSelection> UserGroupLinks;
    List<NameNode> SearchTriggers;
    uint32_t SearchDisplayMethod = 1;
    uint32_t NotifyIfNoResult = 0;
    uint32_t EnableSQueue = 1;
    uint32_t SQueueSize = 20480;
    uint32_t SQueueSlots = 1;
    Queue Small;
    uint32_t OpSlots = 2;
    Queue OpVoice;
    uint32_t LimitQueueSize = 0;
    uint32_t QueueSize = 5;
    uint32_t VirtualList = 0;
    uint32_t HoldQueue = 1;
    uint32_t HoldTime = 5;
    uint32_t SaveQueueOnExit = 1;
    uint32_t RestoreSavedQueue = 1;
    uint32_t RestoreAgeLimit = 120;
    uint32_t MinSlot = 2;
    uint32_t MaxSlot = 2;
    uint32_t MaxFindResult = 5;
    uint32_t BatchSize = 5;
    uint32_t Verbose = 1;
    uint32_t UseMinCps = 0;
    uint32_t MinSendCps = 0;
    uint32_t UseSpeedLimit = 0;
    uint32_t SendSpeedLimit = 0;
    List<NameNode> Networks;
    uint32_t TopListValue = 10;
    uint32_t TopListCount = 10;
    uint32_t EnableQueue = 1;
    uint32_t EnableTopList = 1;
    uint32_t EnableHelp = 1;
    uint32_t EnableStat = 1;
    uint32_t EnableList = 1;
    uint32_t AGFileTriggerMode = 1;
    uint32_t UseSearchLengthLimit = 0;
    uint32_t SearchLimit = 0;
    uint32_t NoOfFilesSent = 0;
    uint64_t SizeOfFilesSent = 0;
    uint64_t AvgSendSpeed = 0;
    uint32_t MaxSendSpeed = 0;
    ResendRule RegularQueueResend;
    ResendRule OpVoiceQueueResend;
    ResendRule SQueueResend;
    uint32_t HoldSmallFile = 0;
    uint32_t HoldOpVoice = 0;
    uint32_t HoldRegular = 0;
    ChannelConfig* Next = nullptr;
    ChannelConfig* Prev = nullptr;
};

struct FileList {
    Text ListName;
    Text TrueListName;
    Text ListHeader;
    Text ListTrigger;
    Text FileTrigger;
    uint32_t NumberOfFiles = 0;
    uint64_t SizeOfFiles = 0;
    DateTime CreationDateTime{};
    Text Description;
    uint32_t Updating = 0;
    uint32_t NotifyAfterUpdated = 0;
    uint32_t IncludeFileSize = 0;
    uint32_t IncludeFolderName = 0;
    uint32_t Zipped = 0;
    uint32_t AutoGen = 0;
    uint32_t EnableSchedule = 0;
    uint32_t ScheduleInterval = 0;
    uint32_t ScheduleMinutes = 0;
    uint32_t UseFilter = 0;
    List<NameNode> ExtensionFilter;
    List<NameNode> CreationFolder;
    List<ListChannelLink> Channels;
    // Generations asked for and not yet ended: a generation thread may
    // still reach the record, so a deleted list waits, marked Retired (read
    // and written under the list-generation lock), until the count is 0.
    std::atomic<uint32_t> PendingGenerations{0};
    uint32_t Retired = 0;
    FileList* Next = nullptr;
    FileList* Prev = nullptr;
};

struct QueueEntry {
    Text FilePath;
    Text Nick;
    uint64_t FileSize = 0;
    uint32_t ConnectionId = 0;
    uint64_t QueuedTime = 0;  // UTC file time
    uint32_t MissingTicks = 0;
    uint32_t Held = 0;
    uint32_t HeldMinutes = 0;
    struct Batch* Batch = nullptr;  // the batch it was started in (Regular only)
    uint32_t CpsSumHigh = 0;
    uint32_t CpsSumLow = 0;
    uint32_t CpsSamples = 0;
    uint32_t IsList = 0;
    struct FileList* List = nullptr;
    uint32_t InRegularQueue = 0;
    ServedChannel* Channel = nullptr;
    GroupSelection* Group = nullptr;
    uint32_t ResendAttempts = 0;
    uint32_t ResendLimit = 0;
    QueueEntry* Next = nullptr;
    QueueEntry* Prev = nullptr;
    // The same nick's neighbours while waiting (kept by WaitingList).
    QueueEntry* NickNext = nullptr;
    QueueEntry* NickPrev = nullptr;
};

}  // namespace qvs

namespace qvs {

// A restored queue waiting for its turn in the restoration drip.
struct RestorationNode {
    ServedChannel* Channel = nullptr;
    uint32_t Kind = 0;  // 1 Regular, 2 OpVoice, 3 SmallFile
    RestorationNode* Next = nullptr;
    RestorationNode* Prev = nullptr;
};

}  // namespace qvs

namespace qvs {

struct Advertisement {
    Text AdsName;
    uint32_t StartAfter = 0;
    uint32_t Interval = 0;
    uint32_t RunOption = 0;
    Text AdsText;  // absent when the advertisement has no text
    Advertisement* Next = nullptr;
    Advertisement* Prev = nullptr;
};

struct AdGroup {
    Text AdsGroupName;
    List<Advertisement> Ads;
    List<AdChannelLink> Channels;  // the channels that select this group
    AdGroup* Next = nullptr;
    AdGroup* Prev = nullptr;
};

// A group of a served channel waiting for its activation timer.
struct GroupActivation {
    TimerId Timer = 0;
    AdGroupSelection* Selection = nullptr;
    ChannelConfig* Config = nullptr;
    ServedChannel* Channel = nullptr;
    GroupActivation* Next = nullptr;
    GroupActivation* Prev = nullptr;
};

// An advertisement shown on its timer in a served channel: once after
// StartAfter, then every Interval while it runs every so often.
struct AdTimer {
    TimerId Timer = 0;
    ServedChannel* Channel = nullptr;
    Advertisement* Ad = nullptr;
    ChannelConfig* Config = nullptr;
    AdGroupSelection* Selection = nullptr;
    AdTimer* Next = nullptr;
    AdTimer* Prev = nullptr;
};

struct RandomTextFile {
    Text Name;
    Text FullPathname;
    RandomTextFile* Next = nullptr;
    RandomTextFile* Prev = nullptr;
};

struct UserGroup {
    Text GroupName;
    List<NameNode> Members;  // nicks
    UserGroup* Prev = nullptr;
    UserGroup* Next = nullptr;
};

// Settings a GroupSelection starts with when a group is added to a channel.
struct GroupSelectionDefaults {
    uint32_t QueueSizeOverride = 0;
    uint32_t BatchSizeOverride = 0;
    uint32_t Priority = 0;
    uint32_t Ignored = 0;
    uint32_t TreatAs = 0;
};

}  // namespace qvs
