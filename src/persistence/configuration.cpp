#include "persistence/configuration.h"

namespace qvs {

// The configuration files are not read or written yet.
void LoadAllConfiguration(ModuleState&) {}
void SaveAllConfiguration(ModuleState&) {}

}  // namespace qvs
