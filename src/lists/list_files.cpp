#include "lists/list_files.h"

#include <string>

#include "hostlink/host_link.h"
#include "hostlink/text_routines.h"
#include "hostlink/user_text.h"
#include "lists/list_texts.h"
#include "messaging/routing.h"
#include "model/names.h"
#include "model/queue_ops.h"
#include "ports/file_port.h"
#include "ports/panel_port.h"

namespace qvs {
namespace {

// No host runs more sends than this; a larger answer is garbage and must
// not keep the UI thread asking.
constexpr uint32_t kMostHostSends = 1000;
constexpr char kCannotDeleteBox[] = "Cannot delete %s%s\r\nThe list is not created";

struct ListFile {
    const char* Name;
    const char* Extension;
};

// In the order they are deleted.
void ListFilesOf(const FileList* list, ListFile files[3]) {
    files[0] = {list->TrueListName.c_str(), ".zip"};
    files[1] = {list->TrueListName.c_str(), ".txt"};
    files[2] = {list->ListName.c_str(), kInvalidReportSuffix};
}

// A file that is not there counts as deleted.
bool DeleteIfPresent(ModuleState& state, const std::string& path) {
    return state.Ports.Files->DeleteFile(path) || !state.Ports.Files->FileExists(path);
}

uint32_t HostSendCount(ModuleState& state) {
    std::string value;
    if (!Evaluate(state, value, "$send(%lu)", 0ul)) return 0;
    uint32_t count = ParseDecimal(value.c_str());
    if (count == kInvalidNumber) return 0;
    return count < kMostHostSends ? count : kMostHostSends;
}

// The first running list send of this list: the List queue first, then
// every served channel's Regular, SmallFile and OpVoice sending lists.
bool TakeOutOf(ModuleState& state, QueueKind kind, Queue& queue, const FileList* list, ServedChannel* channel) {
    for (QueueEntry* entry = queue.Sending.Head; entry; entry = entry->Next) {
        if (entry->IsList == 0 || entry->List != list) continue;
        queue.Sending.Unlink(entry);
        state.Ports.Panel->RefreshQueueCounters(kind, kind == QueueKind::List ? nullptr : channel->Config,
                                                kind == QueueKind::Regular ? channel : nullptr);
        state.Ports.Panel->QueueRowRemoved(kind, entry);
        ReleaseEntry(entry);
        return true;
    }
    return false;
}

void TakeOutRunningSend(ModuleState& state, const FileList* list) {
    if (TakeOutOf(state, QueueKind::List, state.ListQueue, list, nullptr)) return;
    const QueueKind kinds[] = {QueueKind::Regular, QueueKind::SmallFile, QueueKind::OpVoice};
    for (Connection* connection = state.Connections.Head; connection; connection = connection->Next)
        for (ServedChannel* channel = connection->ServedChannels.Head; channel; channel = channel->Next)
            for (QueueKind kind : kinds)
                if (TakeOutOf(state, kind, QueueOf(state, kind, channel), list, channel)) return;
}

// Either form of the list file: a zipped list whose archive is missing is
// served as its text, and both files are about to go.
bool IsListFile(const FileList* list, const std::string& file) {
    std::string base = list->TrueListName.c_str();
    return NamesEqual(file.c_str(), (base + ".zip").c_str()) || NamesEqual(file.c_str(), (base + ".txt").c_str());
}

// Send number of the host; closed when it carries the list file.
void CloseListSend(ModuleState& state, FileList* list, unsigned long number) {
    std::string nick, sent, cid;
    if (!Evaluate(state, nick, "$send(%lu)", number)) return;
    if (!Evaluate(state, sent, "$send(%lu).File", number) || !IsListFile(list, sent)) return;
    if (!Evaluate(state, cid, "$send(%lu).cid", number)) return;
    uint32_t connectionId = ParseDecimal(cid.c_str());
    Execute(state, "%s/close -s%lu", ScidPrefix(connectionId).c_str(), number);
    TakeOutRunningSend(state, list);
    std::string notice = FormatUserText(kListUpdatingNotice, list->ListName.c_str());
    SendPlainNotice(state, connectionId, nick.c_str(), notice.c_str());
}

}  // namespace

void RemoveListFiles(ModuleState& state, const FileList* list) {
    ListFile files[3];
    ListFilesOf(list, files);
    // A list never generated has no list file: nothing named only by its
    // extension is deleted.
    for (const ListFile& file : files)
        if (*file.Name) state.Ports.Files->DeleteFile(state.ConfigFolder + file.Name + file.Extension);
}

bool WithdrawListFile(ModuleState& state, FileList* list) {
    for (unsigned long number = HostSendCount(state); number >= 1; --number) CloseListSend(state, list, number);
    ListFile files[3];
    ListFilesOf(list, files);
    for (const ListFile& old : files) {
        if (DeleteIfPresent(state, state.ConfigFolder + old.Name + old.Extension)) continue;
        state.Ports.Panel->ShowMessage(FormatUserText(kCannotDeleteBox, old.Name, old.Extension).c_str(),
                                       kIconInformation);
        return false;
    }
    return true;
}

}  // namespace qvs
