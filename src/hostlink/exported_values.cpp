#include "hostlink/exported_values.h"

namespace qvs {

void* LiveListHead(ModuleState& state, uint32_t selector) {
    switch (selector) {
        case kLiveConnections: return state.Connections.Head;
        case kLiveChannelConfigs: return state.ChannelConfigs.Head;
        default: return nullptr;
    }
}

bool PanelShowRequested(const char* data) { return !data || data[0] != '0'; }

}  // namespace qvs
