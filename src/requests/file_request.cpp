#include "requests/file_request.h"

#include <string>

#include "hostlink/user_text.h"
#include "messaging/routing.h"
#include "model/queue_ops.h"
#include "ports/file_port.h"
#include "requests/admission.h"
#include "requests/listed_file.h"
#include "requests/new_entry.h"
#include "sending/scheduler.h"

namespace qvs {
namespace {

constexpr char kAlreadyQueuedMessage[] = "You already have %s in my queue";
constexpr char kLimitMessage[] = "You already have %lu requests in my queue. \x02\x03" "12%s\x03\x02 is not queued.";
constexpr char kNotAuthorizedNotice[] = ": \x03" "2,15You are not authorized to use this server.\x03";

void AnswerRefusal(ModuleState& state, const TextEvent& request, const QueueEntry* entry, int result,
                   const char* name) {
    const char* channelName = request.ChannelText;
    if (result == kAlreadyQueued) {
        std::string text = FormatUserText(kAlreadyQueuedMessage, name);
        SendPrivateMessage(state, request.ConnectionId, request.Nick, text.c_str(), channelName);
    } else if (result == kNickLimitReached) {
        auto limit = static_cast<unsigned long>(NickLimitOf(entry, entry->Channel->Config));
        std::string text = FormatUserText(kLimitMessage, limit, name);
        SendPrivateMessage(state, request.ConnectionId, request.Nick, text.c_str(), channelName);
    } else {
        SendNotice(state, request.ConnectionId, request.Nick, kNotAuthorizedNotice, channelName);
    }
}

}  // namespace

int HandleFileRequest(ModuleState& state, const FileList* list, const TextEvent& request, ServedChannel* channel,
                      const char* name) {
    std::string fullPath;
    if (!FindListedFile(state, list, name, fullPath)) return 0;
    int64_t size = state.Ports.Files->FileSize(fullPath);
    if (size < 0) return 0;
    QueueEntry* entry = CreateQueueEntry(state, request.Nick, fullPath.c_str(), request.ConnectionId,
                                         static_cast<uint64_t>(size), channel->Config);
    if (!entry) return 1;
    int result = AdmitEntry(state, channel, entry, request, name);
    if (result > 0) {
        RunScheduler(state, channel);
        return 1;
    }
    AnswerRefusal(state, request, entry, result, name);
    ReleaseEntry(entry);
    return 1;
}

}  // namespace qvs
