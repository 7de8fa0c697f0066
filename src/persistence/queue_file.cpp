#include "persistence/queue_file.h"

#include <cstdio>

#include "hostlink/companion_script.h"
#include "hostlink/host_link.h"
#include "hostlink/text_routines.h"
#include "messaging/reachability.h"
#include "model/memory.h"
#include "model/paths.h"
#include "model/queue_ops.h"
#include "ports/file_port.h"
#include "ports/panel_port.h"
#include "ports/profile_port.h"
#include "users/member_entry.h"

namespace qvs {
namespace {

constexpr char kQueueFileName[] = "queue.dat";
constexpr char kSaveTimeKey[] = "SaveTime";
constexpr std::size_t kProfileValueCapacity = 2048;
// A "$ctime" value has ten digits; more cannot be one.
constexpr std::size_t kMaxSaveTimeLength = 20;

// The three saved groups, in the order they are written and restored, with
// the code the restoration drip knows each by.
struct SavedGroup {
    const char* Word;
    QueueKind Kind;
    uint32_t DripCode;
};
constexpr SavedGroup kSavedGroups[] = {
    {"MainChan", QueueKind::Regular, 1},
    {"SQueue", QueueKind::SmallFile, 3},
    {"Op-Voice", QueueKind::OpVoice, 2},
};

std::string QueueFilePath(const ModuleState& state) { return state.ConfigFolder + kQueueFileName; }

std::string SectionName(const ServedChannel* channel, const SavedGroup& group) {
    return std::string(channel->Config->ChannelName.c_str()) + "." + channel->Connection->NetworkName.c_str() + "." +
           group.Word;
}

std::string QueueKey(unsigned long number) {
    char key[32];
    std::snprintf(key, sizeof key, "Queue%lu", number);
    return key;
}

void WriteEntries(ProfilePort& profile, const std::string& path, const std::string& section,
                  const List<QueueEntry>& entries, unsigned long& number) {
    for (const QueueEntry* entry = entries.Head; entry; entry = entry->Next)
        profile.WriteString(path, section, QueueKey(number++),
                            std::string(entry->Nick.c_str()) + "," + entry->FilePath.c_str());
}

// Sending entries first, so they come back at the front of the queue.
void SaveGroup(ModuleState& state, ServedChannel* channel, const SavedGroup& group, const std::string& saveTime) {
    ProfilePort& profile = *state.Ports.Profile;
    std::string path = QueueFilePath(state), section = SectionName(channel, group);
    const Queue& queue = QueueOf(state, group.Kind, channel);
    profile.DeleteSection(path, section);
    unsigned long number = 1;
    WriteEntries(profile, path, section, queue.Sending, number);
    WriteEntries(profile, path, section, queue.Waiting.Entries(), number);
    if (number > 1) profile.WriteString(path, section, kSaveTimeKey, saveTime);
}

bool IsDigits(const std::string& text) {
    if (text.empty() || text.size() > kMaxSaveTimeLength) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

// A linked folder below a list folder may lead anywhere; list generation
// leaves such folders out, and so does restoring.
bool PassesThroughLink(FilePort& files, const std::string& folder, const std::string& path) {
    std::size_t from = folder.size();
    while (from > 0 && IsSeparator(folder[from - 1])) --from;
    for (std::size_t at = from + 1; at < path.size(); ++at)
        if (IsSeparator(path[at]) && !IsSeparator(path[at - 1]) && files.IsLink(path.substr(0, at))) return true;
    return false;
}

// A restored file must still be one of the files the channel offers: a
// changed or planted queue.dat must not send anything else.
bool IsServedPath(FilePort& files, const ChannelConfig* config, const std::string& path) {
    if (path.find_first_of("*?") != std::string::npos) return false;
    for (const ListSelection* selection = config->FileListLinks.Head; selection; selection = selection->Next)
        for (const NameNode* folder = selection->List ? selection->List->CreationFolder.Head : nullptr; folder;
             folder = folder->Next)
            if (PathIsInside(path, folder->Value.c_str()) && !PassesThroughLink(files, folder->Value.c_str(), path))
                return true;
    return false;
}

struct SavedRequest {
    std::string Nick;
    std::string Path;
};

// "nick,path", split at the first comma; false for a value that names no
// usable nick or no path.
bool SplitSavedRequest(const std::string& value, SavedRequest& request) {
    std::size_t comma = value.find(',');
    if (comma == std::string::npos || comma + 1 == value.size()) return false;
    request = {value.substr(0, comma), value.substr(comma + 1)};
    return IsSafeName(request.Nick.c_str());
}

QueueEntry* RestoredEntry(ModuleState& state, ServedChannel* channel, const SavedGroup& group,
                          const SavedRequest& request) {
    FilePort& files = *state.Ports.Files;
    if (!IsServedPath(files, channel->Config, request.Path) || files.FolderExists(request.Path)) return nullptr;
    int64_t size = files.FileSize(request.Path);
    if (size < 0) return nullptr;
    QueueEntry* entry = CreateMemberEntry(state, request.Nick.c_str(), request.Path.c_str(),
                                          channel->Connection->ConnectionId, static_cast<uint64_t>(size),
                                          channel->Config);
    if (!entry) return nullptr;
    entry->Channel = channel;
    if (group.Kind == QueueKind::Regular) entry->InRegularQueue = 1;
    return entry;
}

void QueueForDrip(ModuleState& state, ServedChannel* channel, const SavedGroup& group) {
    if (state.Settings.UseQueueRestorationDelay != 1 || state.Settings.QueueRestorationDelay == 0) return;
    RestorationNode* node = NewRecord<RestorationNode>();
    if (!node) return;
    node->Channel = channel;
    node->Kind = group.DripCode;
    state.PendingRestoration.PushFront(node);
}

// Reads Queue1, Queue2, ... up to the first missing number; entries whose
// file is gone are dropped and the rest close up.
void ReadGroup(ModuleState& state, ServedChannel* channel, const SavedGroup& group, const std::string& section,
               List<QueueEntry>& restored) {
    std::string path = QueueFilePath(state);
    for (unsigned long number = 1;; ++number) {
        std::string value = state.Ports.Profile->GetString(path, section, QueueKey(number), "", kProfileValueCapacity);
        if (value.empty()) return;
        SavedRequest request;
        QueueEntry* entry = SplitSavedRequest(value, request) ? RestoredEntry(state, channel, group, request) : nullptr;
        if (!entry) continue;
        restored.PushBack(entry);
        state.Ports.Panel->QueueRowAdded(group.Kind, entry);
    }
}

void RestoreGroup(ModuleState& state, ServedChannel* channel, const SavedGroup& group) {
    std::string section = SectionName(channel, group);
    if (!IsSavedQueueFresh(state, section, QueueFilePath(state), channel->Config->RestoreAgeLimit)) return;
    QueueForDrip(state, channel, group);
    List<QueueEntry> restored;
    ReadGroup(state, channel, group, section, restored);
    Queue& queue = QueueOf(state, group.Kind, channel);
    while (QueueEntry* entry = restored.Head) {
        restored.Unlink(entry);
        queue.Waiting.PushBack(entry);
    }
    state.Ports.Panel->RefreshQueueCounters(group.Kind, channel->Config,
                                            group.Kind == QueueKind::Regular ? channel : nullptr);
}

}  // namespace

void SaveChannelQueues(ModuleState& state, ServedChannel* channel) {
    if (!state.Ports.Profile || !channel || !channel->Config || !channel->Connection) return;
    std::string saveTime;
    Evaluate(state, saveTime, "$ctime");
    for (const SavedGroup& group : kSavedGroups) SaveGroup(state, channel, group, saveTime);
    state.Ports.Profile->Flush(QueueFilePath(state));
}

void RestoreChannelQueues(ModuleState& state, ServedChannel* channel) {
    if (!state.Ports.Profile || !channel || !channel->Config || !channel->Connection) return;
    for (const SavedGroup& group : kSavedGroups) RestoreGroup(state, channel, group);
}

void SaveQueuesOnSchedule(ModuleState& state) {
    const GlobalSettings& settings = state.Settings;
    if (settings.UseSaveQueueDuration != 1 || settings.SaveQueueDuration == 0) return;
    if (!state.PendingRestoration.Empty()) return;
    if (++state.QueueSaveMinutes < settings.SaveQueueDuration) return;
    state.QueueSaveMinutes = 0;
    for (Connection* connection = state.Connections.Head; connection; connection = connection->Next)
        for (ServedChannel* channel = connection->ServedChannels.Head; channel; channel = channel->Next)
            SaveChannelQueues(state, channel);
}

// Only a number is handed to the companion script's identifier: a SaveTime
// that is anything else cannot be a time the module wrote, and is too old.
int IsSavedQueueFresh(ModuleState& state, const std::string& section, const std::string& path, uint32_t ageLimit) {
    if (ageLimit == 0) return 1;
    std::string saveTime = state.Ports.Profile->GetString(path, section, kSaveTimeKey, "", kProfileValueCapacity);
    if (saveTime.empty()) return 1;
    if (!IsDigits(saveTime)) return 0;
    std::string minutes;
    if (!Evaluate(state, minutes, kGetMinuteFormat, saveTime.c_str())) return 1;
    return ParseDecimal(minutes.c_str()) <= ageLimit ? 1 : 0;
}

}  // namespace qvs
