// The advertisement timers of a served channel.
#pragma once
#include "model/module_state.h"

namespace qvs {

void StartChannelAds(ModuleState& state, ServedChannel* channel);
// Kills and releases the channel's timers of both advertisement timer lists.
void StopChannelAds(ModuleState& state, ServedChannel* channel);

// The timers of one selection on every connection, of every selection of a
// group, or of one advertisement, killed and released before the record
// they point to goes or is switched off.
void StopSelectionAds(ModuleState& state, const AdGroupSelection* selection);
void StopGroupAds(ModuleState& state, const AdGroup* group);
void StopAdvertisement(ModuleState& state, const Advertisement* ad);

// A selection switched on: its group's activation starts on every
// connection that serves the channel.
void StartSelectionAds(ModuleState& state, ChannelConfig* config, AdGroupSelection* selection);

}  // namespace qvs
