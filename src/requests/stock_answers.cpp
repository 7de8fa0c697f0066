#include "requests/stock_answers.h"

#include <string>
#include <vector>

#include "ads/text_variables.h"
#include "hostlink/user_text.h"
#include "model/elapsed.h"
#include "model/names.h"
#include "model/paths.h"
#include "model/queue_words.h"
#include "ports/clock_port.h"
#include "requests/reply.h"
#include "stats/top_list.h"

namespace qvs {
namespace {

constexpr char kQueuePlace[] =
    "\x03" "2,15After\x03\x03" "12,15 %lu \x03\x03" "2,15min(s) in my %s queue,\x03\x03" "12,15 %s \x03\x03"
    "2,15is\x03\x03" "12,15 %lu\x03";
constexpr char kNotInQueue[] = "\x03" "2,15You have \x03\x03" "12,15NO\x03\x03" "2,15 files in my %s queue\x03";

constexpr char kHelpTitle[] = "These are the commands of \x02%s:\x02";
constexpr char kHelpQueue[] = "\x02@%s-queue \x02- gives a list of files in the current queue";
constexpr char kHelpTopList[] = "\x02@%s-toplist \x02- gives the list of the most frequently downloaded files";
constexpr char kHelpFind[] =
    "\x02@find keyword1 keyword2 ... keywordN \x02- searches the filelist(s) for files matching keywords";
constexpr char kHelpRemoveAll[] = "\x02@%s-remove \x02- remove ALL files from your queue";
constexpr char kHelpRemoveOne[] = "\x02@%s-remove <filename> \x02- remove the specified file from your queue";
constexpr char kHelpList[] = "\x02@%s-list \x02- gives the list of triggers you can use to download filelists";
constexpr char kHelpStats[] = "\x02@%s-stats \x02- display the send statistics of the channel";

constexpr char kNoDownloads[] = "There are currently no downloaded files";
constexpr char kTopListTitle[] = "These are the \x02top %lu\x02 downloaded files";
constexpr char kTopListLine[] = "%lu: [%lux] %s";

constexpr const char* kStatisticsLines[] = {
    "Channel statistics for \x03" "12\x02$Channel.ChanName$\x02\x03",
    "Number of files sent: \x03" "12\x02$Channel.FilesSent$\x02\x03",
    "Size of files sent: \x03" "12\x02$Channel.FileSize$\x02\x03",
    "Average send speed: \x03" "12\x02$Channel.AvgSend$\x02\x03",
    "Max. send speed: \x03" "12\x02$Channel.MaxSend$\x02\x03",
    "Number of requests per queue: \x03" "12\x02$Channel.MaxReq$\x02\x03",
    "Send will be terminated if transfer speed drops below: \x03" "12\x02$Channel.SendThreshold$\x02\x03",
    "Number of files being sent: \x03" "12\x02$Channel.FilesSending$\x02\x03",
    "Minimum search string length: \x03" "12\x02$Script.MinSearchStringLength$\x02\x03",
    "Using: \x03" "12\x02$Script.Name$\x02\x03",
};

constexpr char kListOfListsLine[] = "\x02%s\x02 - [%s]";
constexpr char kNoDescription[] = "No description";
constexpr char kNoLists[] = "There are currently no filelists served in this channel";

unsigned long Number(uint64_t value) { return static_cast<unsigned long>(value); }

// Every waiting entry counts towards a place, held ones too; entries being
// sent are no longer in the queue.
void AnswerQueuePosition(ModuleState& state, ServedChannel* channel, const char* nick, QueueKind kind,
                         const Queue& queue) {
    uint64_t now = state.Ports.Clock->UtcNow();
    unsigned long position = 0;
    bool listed = false;
    for (const QueueEntry* entry = queue.Waiting.Head; entry; entry = entry->Next) {
        ++position;
        if (!entry->Nick.Equals(nick)) continue;
        listed = true;
        ReplyPrivately(state, channel, nick,
                       FormatUserText(kQueuePlace, Number(MinutesSince(entry->QueuedTime, now)), QueueWord(kind),
                                      PathFileName(entry->FilePath.c_str()), position));
    }
    if (!listed) ReplyPrivately(state, channel, nick, FormatUserText(kNotInQueue, QueueWord(kind)));
}

}  // namespace

void AnswerQueuePositions(ModuleState& state, ServedChannel* channel, const char* nick) {
    ChannelConfig* config = channel->Config;
    AnswerQueuePosition(state, channel, nick, QueueKind::Regular, channel->Regular);
    AnswerQueuePosition(state, channel, nick, QueueKind::SmallFile, config->Small);
    AnswerQueuePosition(state, channel, nick, QueueKind::OpVoice, config->OpVoice);
}

void AnswerHelp(ModuleState& state, ServedChannel* channel, const char* nick) {
    const ChannelConfig* config = channel->Config;
    const char* own = channel->OwnNick.c_str();
    std::vector<std::string> lines{FormatUserText(kHelpTitle, kAppName)};
    if (config->EnableQueue == 1) lines.push_back(FormatUserText(kHelpQueue, own));
    if (config->EnableTopList == 1) lines.push_back(FormatUserText(kHelpTopList, own));
    if (config->FileSearchEnabled == 1) lines.push_back(kHelpFind);
    lines.push_back(FormatUserText(kHelpRemoveAll, own));
    lines.push_back(FormatUserText(kHelpRemoveOne, own));
    if (config->EnableList == 1) lines.push_back(FormatUserText(kHelpList, own));
    if (config->EnableStat == 1) lines.push_back(FormatUserText(kHelpStats, own));
    for (const std::string& line : lines) ReplyPrivately(state, channel, nick, line);
}

// The module-wide switch keeps the top list files; without them there is
// nothing to tell.
void AnswerTopList(ModuleState& state, ServedChannel* channel, const char* nick) {
    if (state.Settings.EnableTopList != 1) return;
    std::vector<TopListEntry> entries = ReadTopList(state, channel->Config, channel->Config->TopListCount);
    if (entries.empty()) return ReplyPrivately(state, channel, nick, kNoDownloads);
    ReplyPrivately(state, channel, nick, FormatUserText(kTopListTitle, Number(entries.size())));
    unsigned long place = 0;
    for (const TopListEntry& entry : entries)
        ReplyPrivately(state, channel, nick, FormatUserText(kTopListLine, ++place, Number(entry.Count),
                                                            entry.Name.c_str()));
}

void AnswerStatistics(ModuleState& state, ServedChannel* channel, const char* nick) {
    for (const char* line : kStatisticsLines)
        ReplyPrivately(state, channel, nick, ExpandVariables(state, channel->Config, line, nick, channel));
}

// Every list the channel serves, whatever window it takes requests in.
void AnswerListOfLists(ModuleState& state, ServedChannel* channel, const char* nick) {
    bool any = false;
    for (const ListSelection* selection = channel->Config->FileListLinks.Head; selection; selection = selection->Next) {
        const FileList* list = selection->List;
        if (!list) continue;
        any = true;
        const char* description = list->Description.IsEmpty() ? kNoDescription : list->Description.c_str();
        ReplyPrivately(state, channel, nick, FormatUserText(kListOfListsLine, list->ListTrigger.c_str(), description));
    }
    if (!any) ReplyPrivately(state, channel, nick, kNoLists);
}

}  // namespace qvs
