// Waiting without deadlocking against the host: while a thread of the module
// or of the host waits here, the messages other threads send to its windows
// are still answered (a HostLink exchange sends to the host's window; the
// host may be the one waiting).
#pragma once
#include "win32/windows_api.h"

namespace qvs {

// Waits until one of the handles is signalled; returns its index, or -1 when
// the wait failed. An abandoned mutex counts as acquired.
int WaitAnsweringSentMessages(const HANDLE* handles, DWORD count);

}  // namespace qvs
