#include "requests/search_trigger.h"

#include <cstdint>

#include "model/trigger_words.h"
#include "requests/search.h"

namespace qvs {
namespace {

bool QueryAccepted(const ChannelConfig* config, const RequestLine& line) {
    return line.HasRest() && config->Serve == 1 &&
           (config->UseSearchLengthLimit != 1 || line.Rest.size() >= config->SearchLimit);
}

}  // namespace

bool DispatchSearchTrigger(ModuleState& state, ServedChannel* channel, const TextEvent& request,
                           const RequestLine& line) {
    const ChannelConfig* config = channel->Config;
    // The cap is signed where it is stored: "0 or less" switches searching off.
    if (config->FileSearchEnabled != 1 || static_cast<int32_t>(config->MaxFindResult) <= 0) return false;
    for (const NameNode* trigger = config->SearchTriggers.Head; trigger; trigger = trigger->Next) {
        if (!IsTriggerWord(trigger->Value, line.Word)) continue;
        if (QueryAccepted(config, line)) KeywordSearch(state, channel, line.Rest.c_str(), request.Nick);
        return true;
    }
    return false;
}

}  // namespace qvs
