#include "requests/request_removal.h"

namespace qvs {

// Removal on request is not written yet; the trigger is consumed.
void RemoveAllRequests(ModuleState&, ServedChannel*, const char*) {}
void RemoveFileRequests(ModuleState&, ServedChannel*, const char*, uint32_t, const char*) {}

}  // namespace qvs
