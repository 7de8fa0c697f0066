#include "requests/list_request.h"

#include <string>

#include "hostlink/user_text.h"
#include "lists/list_file_path.h"
#include "lists/list_texts.h"
#include "lists/regeneration.h"
#include "messaging/routing.h"
#include "model/paths.h"
#include "model/queue_ops.h"
#include "ports/file_port.h"
#include "requests/admission.h"
#include "requests/new_entry.h"
#include "sending/scheduler.h"

namespace qvs {
namespace {

constexpr char kListQueueDisabledNotice[] =
    "\x03" "12,15Sorry, I currently don't serve the list: list queue disabled.\x03";

// Refusals come before anything is queued; true when one was sent.
bool RefuseListRequest(ModuleState& state, const FileList* list, const TextEvent& request) {
    if (state.Settings.ListQueueEnable != 1) {
        SendNotice(state, request.ConnectionId, request.Nick, kListQueueDisabledNotice, request.ChannelText);
        return true;
    }
    if (list->Updating == 1) {
        std::string text = FormatUserText(kListUpdatingNotice, list->ListName.c_str());
        SendNotice(state, request.ConnectionId, request.Nick, text.c_str(), request.ChannelText);
        return true;
    }
    return false;
}

// A second request for a list already waiting is dropped without a word.
void QueueListFile(ModuleState& state, FileList* list, const TextEvent& request, ChannelConfig* config,
                   ServedChannel* channel) {
    std::string path = ListFilePath(state, list);
    int64_t size = state.Ports.Files->FileSize(path);
    QueueEntry* entry = CreateQueueEntry(state, request.Nick, path.c_str(), request.ConnectionId,
                                         size < 0 ? 0 : static_cast<uint64_t>(size), config);
    if (!entry) return;
    entry->IsList = 1;
    entry->List = list;
    if (AdmitEntry(state, channel, entry, request, PathFileName(path.c_str())) <= 0) ReleaseEntry(entry);
}

}  // namespace

void HandleListRequest(ModuleState& state, FileList* list, const TextEvent& request, ChannelConfig* config,
                       ServedChannel* channel) {
    if (RefuseListRequest(state, list, request)) return;
    if (list->AutoGen == 1) RegenerateListOnRequest(state, list);
    QueueListFile(state, list, request, config, channel);
    RunScheduler(state, channel);
}

}  // namespace qvs
