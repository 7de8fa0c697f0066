#include "persistence/queue_file.h"

namespace qvs {

// Queues are not kept across sessions yet: nothing is written or restored.
void SaveChannelQueues(ModuleState&, ServedChannel*) {}
void RestoreChannelQueues(ModuleState&, ServedChannel*) {}

}  // namespace qvs
