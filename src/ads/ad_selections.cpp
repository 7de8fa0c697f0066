#include "ads/ad_selections.h"

#include <cstring>
#include <string>

#include "ads/ad_timers.h"
#include "model/channel_config.h"

namespace qvs {
namespace {

constexpr std::size_t kTriggerFieldLength = 127;
constexpr uint32_t kShownOnTimer = 1;

}  // namespace

AdGroupSelection* BindAdGroup(ChannelConfig* config, AdGroup* group) {
    for (const AdChannelLink* link = group->Channels.Head; link; link = link->Next)
        if (link->Config == config) return nullptr;
    AdGroupSelection* selection = SelectAdGroup(*config, *group);
    if (!selection) return nullptr;
    selection->DisplayWhen = kShownOnTimer;
    selection->Enable = 1;
    return selection;
}

void UnbindAdGroup(ModuleState& state, ChannelConfig* config, AdGroupSelection* selection) {
    StopSelectionAds(state, selection);
    UnselectAdGroup(*config, selection);
}

void SetSelectionEnable(ModuleState& state, ChannelConfig* config, AdGroupSelection* selection, uint32_t enable) {
    StopSelectionAds(state, selection);
    selection->Enable = enable;
    if (enable == 1) StartSelectionAds(state, config, selection);
}

void SetSelectionTrigger(AdGroupSelection* selection, const char* text) {
    std::string trigger = text ? std::string(text, strnlen(text, kTriggerFieldLength)) : "";
    if (trigger.empty())
        selection->Trigger.Clear();
    else
        selection->Trigger.Set(trigger.c_str());
}

}  // namespace qvs
