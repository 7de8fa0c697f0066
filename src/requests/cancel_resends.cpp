#include "requests/cancel_resends.h"

namespace qvs {

// Resend cancelling is not written yet; the trigger is consumed.
void CancelResends(ModuleState&, ServedChannel*, const char*) {}

}  // namespace qvs
