#include "requests/dispatch.h"

#include <algorithm>
#include <string>
#include <vector>

#include "ads/ad_triggers.h"
#include "hostlink/user_text.h"
#include "messaging/reachability.h"
#include "messaging/routing.h"
#include "model/names.h"
#include "model/trigger_words.h"
#include "requests/access_mode.h"
#include "requests/file_request.h"
#include "requests/list_request.h"
#include "requests/query_window.h"
#include "requests/request_line.h"
#include "requests/search_trigger.h"
#include "requests/stock_triggers.h"
#include "requests/user_status.h"
#include "users/group_membership.h"

namespace qvs {
namespace {

constexpr char kNotServingNotice[] =
    "Sorry but I currently don't serve. Please try again later when you see my advertisement in the channel";
constexpr char kChannelWindowOnlyNotice[] = "For this list, I only accept requests in channel window.";
constexpr char kQueryWindowOnlyNotice[] = "For this list, I only accept requests in query window.";
constexpr char kListClosedNotice[] = "Currently I don't accept requests from this list.";
constexpr char kNotFoundNotice[] = ": \x03" "2,15Sorry, but\x03\x02\x03" "12,15 %s\x03\x02\x03" "2,15 is not found\x03";

// What one dispatch works on.
struct Dispatch {
    ModuleState& State;
    ServedChannel* Channel;
    TextEvent& Request;
    const RequestLine& Line;
    // Lists already looked up for this line without the file: with the
    // own-nick trigger or a virtual list every list tries all the others,
    // and a list file is scanned once per line, not once per list.
    std::vector<const FileList*> Missed;

    const ChannelConfig* Config() const { return Channel->Config; }
    void Notify(const char* text) const {
        SendNotice(State, Request.ConnectionId, Request.Nick, text, Request.ChannelText);
    }
};

// HandleFileRequest, unless this line already missed in the list.
bool FoundIn(Dispatch& d, const FileList* list) {
    if (std::find(d.Missed.begin(), d.Missed.end(), list) != d.Missed.end()) return false;
    if (HandleFileRequest(d.State, list, d.Request, d.Channel, d.Line.Rest.c_str())) return true;
    d.Missed.push_back(list);
    return false;
}

bool IsFileTrigger(const Dispatch& d, const FileList* list) {
    std::string nickTrigger;
    if (d.Config()->AGFileTriggerMode == 1 && OwnNickTrigger("!", d.Channel->OwnNick, nickTrigger) &&
        NamesEqual(d.Line.Word.c_str(), nickTrigger.c_str()))
        return true;
    return IsTriggerWord(list->FileTrigger, d.Line.Word);
}

// The channel's other lists that this window may use: every one of them
// with a virtual list, otherwise those answering to the same trigger.
bool FoundInOtherLists(Dispatch& d, const FileList* tried) {
    const ChannelConfig* config = d.Config();
    for (const ListSelection* selection = config->FileListLinks.Head; selection; selection = selection->Next) {
        const FileList* list = selection->List;
        if (!list || list == tried || !AccessAllows(selection->AccessMode, d.Request.InQuery)) continue;
        if (config->VirtualList != 1 && !IsTriggerWord(list->FileTrigger, d.Line.Word)) continue;
        if (FoundIn(d, list)) return true;
    }
    return false;
}

// Refuses a request this window may not make for the list; true when it did.
bool RefusedByAccessMode(const Dispatch& d, const FileList* list) {
    uint32_t mode = AccessModeOf(d.Config(), list);
    if (mode == kChannelWindowOnly && d.Request.InQuery == 1)
        d.Notify(kChannelWindowOnlyNotice);
    else if (mode == kQueryWindowOnly && d.Request.InQuery != 1)
        d.Notify(kQueryWindowOnlyNotice);
    else if (mode != kChannelWindowOnly && mode != kQueryWindowOnly && mode != kBothWindows)
        d.Notify(kListClosedNotice);
    else
        return false;
    return true;
}

// A file request through one list's trigger; true when some list held the
// file, so no further list is tried.
bool RequestFileThrough(Dispatch& d, const FileList* list) {
    const ChannelConfig* config = d.Config();
    if (config->NiceToOp == 1 || config->NiceToVoice == 1) FillUserStatus(d.State, d.Request);
    if (config->Serve != 1) {
        d.Notify(kNotServingNotice);
        return false;
    }
    if (!d.Line.HasRest() || RefusedByAccessMode(d, list)) return false;
    if (FoundIn(d, list) || FoundInOtherLists(d, list)) return true;
    d.Notify(FormatUserText(kNotFoundNotice, d.Line.Rest.c_str()).c_str());
    return false;
}

// The access mode is not consulted for list requests.
void RequestList(const Dispatch& d, FileList* list) {
    if (d.Config()->Serve == 1)
        HandleListRequest(d.State, list, d.Request, d.Channel->Config, d.Channel);
    else
        d.Notify(kNotServingNotice);
}

// true when the word was a file or list trigger of one of the channel's
// lists.
bool DispatchListTriggers(Dispatch& d) {
    bool handled = false;
    for (ListSelection* selection = d.Config()->FileListLinks.Head; selection; selection = selection->Next) {
        FileList* list = selection->List;
        if (!list) continue;
        if (IsFileTrigger(d, list)) {
            handled = true;
            if (RequestFileThrough(d, list)) break;
        } else if (IsTriggerWord(list->ListTrigger, d.Line.Word)) {
            RequestList(d, list);
            return true;
        }
    }
    return handled;
}

void CloseQueryOf(const Dispatch& d) {
    if (d.Request.InQuery == 1) CloseQueryWindow(d.State, d.Request.ConnectionId, d.Request.Nick);
}

}  // namespace

int DispatchTrigger(ModuleState& state, ServedChannel* channel, TextEvent& request) {
    // A nick no message could reach is not served either.
    if (!IsSafeName(request.Nick) || IsIgnoredNick(channel->Config, request.Nick)) return 0;
    RequestLine line = SplitRequestLine(request.Message);
    Dispatch d{state, channel, request, line, {}};
    if (DispatchListTriggers(d) || DispatchStockTrigger(state, channel, request, line)) {
        CloseQueryOf(d);
        return 1;
    }
    // Advertisements leave the query window open.
    if (ShowTriggeredAdvertisements(state, channel, line.Word, request.Nick)) return 1;
    if (DispatchSearchTrigger(state, channel, request, line)) {
        CloseQueryOf(d);
        return 1;
    }
    return 0;
}

}  // namespace qvs
