// The channel's Advertisement page: which groups a channel shows, and when.
// DisplayWhen, DisplayMethod and RunAfter are stored into the selection as
// edited; they count from the next start of serving.
#pragma once
#include <cstdint>

#include "model/module_state.h"

namespace qvs {

// The group at the end of the channel's selections, shown on timer and
// enabled; null when the channel shows it already or memory runs out.
AdGroupSelection* BindAdGroup(ChannelConfig* config, AdGroup* group);
// Its timers stop on every connection, then the selection and the group's
// back-link go.
void UnbindAdGroup(ModuleState& state, ChannelConfig* config, AdGroupSelection* selection);

// Off stops the selection's timers; on starts its group's activation on
// every connection that serves the channel.
void SetSelectionEnable(ModuleState& state, ChannelConfig* config, AdGroupSelection* selection, uint32_t enable);

// The trigger field, cut to 127 characters; an empty field removes it.
void SetSelectionTrigger(AdGroupSelection* selection, const char* text);

}  // namespace qvs
