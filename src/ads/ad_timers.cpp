#include "ads/ad_timers.h"

namespace qvs {

// Advertisements are not shown yet: a channel has no timers to start or stop.
void StartChannelAds(ModuleState&, ServedChannel*) {}
void StopChannelAds(ModuleState&, ServedChannel*) {}

}  // namespace qvs
