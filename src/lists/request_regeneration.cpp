#include "lists/request_regeneration.h"

namespace qvs {

// List generation does not exist yet; the request is served from the list
// file as it is.
void RegenerateListOnRequest(ModuleState&, FileList*) {}

}  // namespace qvs
