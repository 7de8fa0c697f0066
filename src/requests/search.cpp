#include "requests/search.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "hostlink/command_log.h"
#include "hostlink/user_text.h"
#include "requests/file_names.h"
#include "requests/list_file_view.h"
#include "requests/reply.h"
#include "requests/search_keywords.h"
#include "requests/search_scan.h"

namespace qvs {
namespace {

constexpr char kListSummary[] =
    "\x03" "8,12I have \x02%lu\x02 match(es) for \x02%s\x02 in listfile:\x02 %s\x02. Type \x02%s\x02 to obtain the "
    "whole list\x03";
constexpr char kNoMatch[] = "\x03" "0,4No match found for \x02%s\x02\x03";
constexpr char kListFileExtension[] = ".txt";
// A kept line is one HostLink text at most; a longer line is cut.
constexpr std::size_t kMaxResultLine = kHostLinkBufferSize - 1;

// What one search carries from list to list.
struct Search {
    ModuleState& State;
    ServedChannel* Channel;
    const char* Query;
    const char* Nick;
    SearchKeywords Keywords;
    uint64_t Cap;
    uint64_t Total = 0;

    void Answer(const std::string& text) const {
        if (Channel->Config->SearchDisplayMethod == 0)
            ReplyByNotice(State, Channel, Nick, text);
        else
            ReplyPrivately(State, Channel, Nick, text);
    }
};

// Only a list's own list file is read: a list name that is no plain file
// name could point anywhere.
bool ListFileOf(const ModuleState& state, const FileList* list, std::string& path) {
    std::string name = std::string(list->TrueListName.c_str()) + kListFileExtension;
    if (list->TrueListName.IsEmpty() || !IsServableFileName(name.c_str())) return false;
    path = state.ConfigFolder + name;
    return true;
}

// The .txt is searched even where the list is served zipped. A list file
// that is missing or being written cannot be opened and is passed over.
void SearchList(Search& search, const FileList* list) {
    std::string path;
    if (!ListFileOf(search.State, list, path)) return;
    ListFileView view(*search.State.Ports.Files, path);
    if (!view.Open()) return;
    SearchScan scan(list->FileTrigger.c_str(), search.Keywords);
    std::vector<std::string> kept;
    unsigned long count = 0;
    ListLine line;
    for (std::size_t from = 0; scan.NextMatch(view.Data(), view.Size(), from, line); ++count, ++search.Total)
        if (search.Total < search.Cap) kept.emplace_back(line.Data, std::min(line.Length, kMaxResultLine));
    if (count == 0) return;
    search.Answer(FormatUserText(kListSummary, count, search.Query, list->ListName.c_str(), list->ListTrigger.c_str()));
    for (const std::string& text : kept) search.Answer(text);
}

// One log line per search; line breaks in the query would forge more.
void LogQuery(ModuleState& state, const char* query) {
    std::string line = query;
    for (char& c : line)
        if (c == '\r' || c == '\n') c = ' ';
    LogCommand(state, line.c_str());
}

// The cap is a signed setting: zero or less searches nothing.
uint64_t CapOf(const ChannelConfig* config) {
    int32_t cap = static_cast<int32_t>(config->MaxFindResult);
    return cap > 0 ? static_cast<uint64_t>(cap) : 0;
}

}  // namespace

void KeywordSearch(ModuleState& state, ServedChannel* channel, const char* query, const char* nick) {
    if (!query) return;
    if (state.Link.CommandLogging) LogQuery(state, query);
    ChannelConfig* config = channel->Config;
    Search search{state, channel, query, nick, SplitKeywords(query), CapOf(config)};
    if (!search.Keywords.Key.empty() && search.Cap > 0)
        for (const ListSelection* selection = config->FileListLinks.Head; selection; selection = selection->Next)
            if (selection->List) SearchList(search, selection->List);
    if (search.Total == 0 && config->NotifyIfNoResult == 1)
        ReplyByNotice(state, channel, nick, FormatUserText(kNoMatch, query));
}

}  // namespace qvs
