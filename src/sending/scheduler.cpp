#include "sending/scheduler.h"

namespace qvs {

// Sends are not started yet.
void RunScheduler(ModuleState&, ServedChannel*) {}

}  // namespace qvs
