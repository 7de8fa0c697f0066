#include "requests/search.h"

namespace qvs {

// The search is not written yet; search triggers are consumed unanswered.
void KeywordSearch(ModuleState&, ServedChannel*, const char*, const char*) {}

}  // namespace qvs
