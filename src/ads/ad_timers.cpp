#include "ads/ad_timers.h"

#include <algorithm>

#include "ads/show_advertisement.h"
#include "model/memory.h"
#include "ports/timer_port.h"

namespace qvs {
namespace {

constexpr uint64_t kMsPerSecond = 1000;
// Thread timers take no longer period than this.
constexpr uint64_t kLongestTimerMs = 0x7FFFFFFF;
constexpr uint32_t kRunEvery = 1;

uint32_t PeriodOf(uint32_t seconds) {
    return static_cast<uint32_t>(std::min<uint64_t>(seconds * kMsPerSecond, kLongestTimerMs));
}

// DisplayWhen: 1 on timers only, 3 on timers and on triggers.
bool ShownOnTimer(const AdGroupSelection* selection) {
    return selection->Enable == 1 && (selection->DisplayWhen == 1 || selection->DisplayWhen == 3) && selection->Group;
}

// An advertisement run every 0 seconds would flood the channel with
// messages that bypass flood control: it is shown once.
bool ShownAgain(const Advertisement* ad) { return ad->RunOption == kRunEvery && ad->Interval > 0; }

template <typename Record>
void ReleaseTimerRecord(ModuleState& state, List<Record>& records, Record* record) {
    if (record->Timer) state.Ports.Timers->KillTimer(record->Timer);
    records.Unlink(record);
    DeleteRecord(record);
}

template <typename Record, typename Match>
void ReleaseMatching(ModuleState& state, List<Record>& records, Match match) {
    for (Record* record = records.Head; record;) {
        Record* next = record->Next;
        if (match(record)) ReleaseTimerRecord(state, records, record);
        record = next;
    }
}

// Both kinds of timer record of whatever the match picks.
template <typename Match>
void ReleaseBoth(ModuleState& state, Match match) {
    ReleaseMatching(state, state.GroupActivations, [&](const GroupActivation* a) { return match(a->Selection); });
    ReleaseMatching(state, state.AdTimers, [&](const AdTimer* t) { return match(t->Selection); });
}

void ReleaseActivation(ModuleState& state, GroupActivation* activation) {
    ReleaseTimerRecord(state, state.GroupActivations, activation);
}

void ReleaseAdTimer(ModuleState& state, AdTimer* timer) { ReleaseTimerRecord(state, state.AdTimers, timer); }

void OnShowAgain(ModuleState& state, void* context, TimerId) {
    auto* timer = static_cast<AdTimer*>(context);
    ShowAdvertisement(state, timer->Ad, timer->Channel, timer->Selection, nullptr);
}

void OnFirstShowing(ModuleState& state, void* context, TimerId id) {
    auto* timer = static_cast<AdTimer*>(context);
    state.Ports.Timers->KillTimer(id);
    timer->Timer = 0;
    ShowAdvertisement(state, timer->Ad, timer->Channel, timer->Selection, nullptr);
    if (ShownAgain(timer->Ad))
        timer->Timer = state.Ports.Timers->StartTimer(PeriodOf(timer->Ad->Interval), OnShowAgain, timer);
    if (!timer->Timer) ReleaseAdTimer(state, timer);
}

void StartAdTimer(ModuleState& state, const GroupActivation& activation, Advertisement* ad) {
    AdTimer* timer = NewRecord<AdTimer>();
    if (!timer) return;
    timer->Channel = activation.Channel;
    timer->Ad = ad;
    timer->Config = activation.Config;
    timer->Selection = activation.Selection;
    state.AdTimers.PushFront(timer);
    timer->Timer = state.Ports.Timers->StartTimer(PeriodOf(ad->StartAfter), OnFirstShowing, timer);
    if (!timer->Timer) ReleaseAdTimer(state, timer);
}

void OnGroupActivation(ModuleState& state, void* context, TimerId) {
    auto* activation = static_cast<GroupActivation*>(context);
    GroupActivation fired = *activation;
    ReleaseActivation(state, activation);
    for (Advertisement* ad = fired.Selection->Group->Ads.Head; ad; ad = ad->Next) StartAdTimer(state, fired, ad);
}

void StartGroupActivation(ModuleState& state, ServedChannel* channel, AdGroupSelection* selection) {
    GroupActivation* activation = NewRecord<GroupActivation>();
    if (!activation) return;
    activation->Selection = selection;
    activation->Config = channel->Config;
    activation->Channel = channel;
    state.GroupActivations.PushFront(activation);
    activation->Timer = state.Ports.Timers->StartTimer(PeriodOf(selection->RunAfter), OnGroupActivation, activation);
    if (!activation->Timer) ReleaseActivation(state, activation);
}

}  // namespace

void StartChannelAds(ModuleState& state, ServedChannel* channel) {
    for (AdGroupSelection* selection = channel->Config->AdGroupLinks.Head; selection; selection = selection->Next)
        if (ShownOnTimer(selection)) StartGroupActivation(state, channel, selection);
}

void StopChannelAds(ModuleState& state, ServedChannel* channel) {
    auto onChannel = [channel](const auto* record) { return record->Channel == channel; };
    ReleaseMatching(state, state.GroupActivations, onChannel);
    ReleaseMatching(state, state.AdTimers, onChannel);
}

void StopSelectionAds(ModuleState& state, const AdGroupSelection* selection) {
    ReleaseBoth(state, [selection](const AdGroupSelection* s) { return s == selection; });
}

void StopGroupAds(ModuleState& state, const AdGroup* group) {
    ReleaseBoth(state, [group](const AdGroupSelection* s) { return s && s->Group == group; });
}

void StopAdvertisement(ModuleState& state, const Advertisement* ad) {
    ReleaseMatching(state, state.AdTimers, [ad](const AdTimer* t) { return t->Ad == ad; });
}

void StartSelectionAds(ModuleState& state, ChannelConfig* config, AdGroupSelection* selection) {
    if (!ShownOnTimer(selection)) return;
    for (InstanceLink* instance = config->Instances.Head; instance; instance = instance->Next)
        StartGroupActivation(state, instance->Channel, selection);
}

}  // namespace qvs
