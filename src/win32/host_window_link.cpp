#include "win32/host_window_link.h"

#include "win32/sent_message_wait.h"

namespace qvs {

void HostWindowLink::Lock() {
    HANDLE mutex = mutex_.load();
    if (mutex) WaitAnsweringSentMessages(&mutex, 1);
}

void HostWindowLink::Unlock() {
    // Releasing a mutex this thread does not own fails and changes nothing.
    if (HANDLE mutex = mutex_.load()) ReleaseMutex(mutex);
}

uint32_t HostWindowLink::SendToHost(uint32_t message, uint32_t first, uint32_t second) {
    HWND host = hostWindow_.load();
    if (!host) return 0;
    return static_cast<uint32_t>(SendMessageA(host, message, first, second));
}

// The posted command lies in the shared area, and the lock is released when
// this returns: a real post would let the next exchange overwrite the text
// before the host reads it. So the host gets it synchronously. That is safe
// from the list-generation thread, the only caller: it holds no other lock
// then, and every thread of ours that waits (for the HostLink lock or for the
// UI thread) still answers sent messages, so the host is never stuck on us.
void HostWindowLink::PostToHost(uint32_t message, uint32_t first, uint32_t second) {
    SendToHost(message, first, second);
}

void HostWindowLink::CreateLock() {
    if (mutexOwner_.Valid()) return;
    mutexOwner_.Reset(CreateMutexA(nullptr, FALSE, kHostLinkMutexName));
    mutex_.store(mutexOwner_.Get());
}

void HostWindowLink::ReleaseLock() {
    mutex_.store(nullptr);
    mutexOwner_.Release();
}

}  // namespace qvs
