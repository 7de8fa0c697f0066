// The five lists a channel of channel.dat keeps in sub-storages of its own:
// user-group selections, network names, file-list selections,
// advertisement-group selections and search triggers. Selections name the
// record they select; loading resolves the name against the lists already
// loaded and drops a selection whose record is gone.
#pragma once
#include "model/module_state.h"
#include "persistence/storage_ref.h"

namespace qvs {

void WriteChannelSelections(const StorageRef& channel, const ChannelConfig& config);
void ReadChannelSelections(ModuleState& state, const StorageRef& channel, ChannelConfig& config);

}  // namespace qvs
