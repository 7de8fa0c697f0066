#include "win32/sent_message_wait.h"

namespace qvs {

int WaitAnsweringSentMessages(const HANDLE* handles, DWORD count) {
    for (;;) {
        DWORD result = MsgWaitForMultipleObjects(count, handles, FALSE, INFINITE, QS_SENDMESSAGE);
        if (result < WAIT_OBJECT_0 + count) return static_cast<int>(result - WAIT_OBJECT_0);
        if (result >= WAIT_ABANDONED_0 && result < WAIT_ABANDONED_0 + count)
            return static_cast<int>(result - WAIT_ABANDONED_0);
        if (result != WAIT_OBJECT_0 + count) return -1;
        // Peeking delivers the pending sent messages; posted ones stay queued.
        MSG message;
        PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

}  // namespace qvs
