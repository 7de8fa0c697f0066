#include "hostlink/worker_host_link.h"

#include "hostlink/host_link.h"

namespace qvs {

void WorkerHostLink::ExecuteCommand(const char* command) { ExecuteWholeCommand(link_, command); }

void WorkerHostLink::PostCommand(const char* command) { ExecuteWholeCommand(link_, command); }

}  // namespace qvs
