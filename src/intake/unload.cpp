#include "intake/unload.h"

#include "ads/ad_timers.h"
#include "persistence/configuration.h"

namespace qvs {

void StopAllChannelAds(ModuleState& state) {
    for (Connection* connection = state.Connections.Head; connection; connection = connection->Next)
        for (ServedChannel* channel = connection->ServedChannels.Head; channel; channel = channel->Next)
            StopChannelAds(state, channel);
}

void PrepareUnload(ModuleState& state) {
    StopAllChannelAds(state);
    SaveAllConfiguration(state);
}

}  // namespace qvs
