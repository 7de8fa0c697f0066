#include "requests/dispatch.h"

namespace qvs {

// No trigger is recognised yet.
void DispatchTrigger(ModuleState&, ServedChannel*, TextEvent&) {}

}  // namespace qvs
