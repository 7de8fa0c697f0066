#include "model/module_state.h"

namespace qvs {

const char kAppName[] = "QVS Verovor Odezev by Tarvonek v1.8.2c";

}  // namespace qvs
