#include "requests/stock_triggers.h"

#include <string>

#include "model/trigger_words.h"
#include "requests/cancel_resends.h"
#include "requests/request_removal.h"
#include "requests/stock_answers.h"

namespace qvs {
namespace {

using StockAnswer = void (*)(ModuleState&, ServedChannel*, const TextEvent&, const RequestLine&);

template <void (*Reply)(ModuleState&, ServedChannel*, const char*)>
void WhenServed(ModuleState& state, ServedChannel* channel, const TextEvent& request, const RequestLine&) {
    if (channel->Config->Serve == 1) Reply(state, channel, request.Nick);
}

// Declining resends works whether or not the channel is served.
void NoResend(ModuleState& state, ServedChannel* channel, const TextEvent& request, const RequestLine&) {
    CancelResends(state, channel, request.Nick);
}

// Taking one named file back works even where the channel is not served.
void Remove(ModuleState& state, ServedChannel* channel, const TextEvent& request, const RequestLine& line) {
    if (line.HasRest())
        RemoveFileRequests(state, channel, request.Nick, request.ConnectionId, line.Rest.c_str());
    else if (channel->Config->Serve == 1)
        RemoveAllRequests(state, channel, request.Nick);
}

struct StockTrigger {
    const char* Suffix;
    uint32_t ChannelConfig::*Enabled;  // null: always recognised
    StockAnswer Answer;
};

// Tested in this order; a longer word ("-queue", "-toplist", "-stats")
// is taken by the suffix it begins with.
constexpr StockTrigger kStockTriggers[] = {
    {"-que", &ChannelConfig::EnableQueue, WhenServed<AnswerQueuePositions>},
    {"-help", &ChannelConfig::EnableHelp, WhenServed<AnswerHelp>},
    {"-top", &ChannelConfig::EnableTopList, WhenServed<AnswerTopList>},
    {"-stat", &ChannelConfig::EnableStat, WhenServed<AnswerStatistics>},
    {"-NoResend", nullptr, NoResend},
    {"-remove", nullptr, Remove},
    {"-list", &ChannelConfig::EnableList, WhenServed<AnswerListOfLists>},
};

}  // namespace

bool DispatchStockTrigger(ModuleState& state, ServedChannel* channel, const TextEvent& request,
                          const RequestLine& line) {
    const ChannelConfig* config = channel->Config;
    std::string ownTrigger;
    if (!OwnNickTrigger("@", channel->OwnNick, ownTrigger)) return false;
    for (const StockTrigger& trigger : kStockTriggers) {
        if (trigger.Enabled && config->*trigger.Enabled != 1) continue;
        if (!BeginsWithNoCase(line.Word, ownTrigger + trigger.Suffix)) continue;
        trigger.Answer(state, channel, request, line);
        return true;
    }
    return false;
}

}  // namespace qvs
