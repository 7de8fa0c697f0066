// HostTransport over the host's shared area "mIRC", the named HostLink lock
// "QVS_Mutex" and messages to the host's main window.
#pragma once
#include <atomic>

#include "ports/host_transport.h"
#include "win32/handles.h"
#include "win32/shared_area.h"

namespace qvs {

constexpr char kHostLinkMutexName[] = "QVS_Mutex";

class HostWindowLink final : public HostTransport {
public:
    HostWindowLink(const SharedArea& area, const std::atomic<HWND>& hostWindow) : area_(area), hostWindow_(hostWindow) {}

    char* SharedView() override { return area_.View(); }
    uint32_t SharedViewSize() override { return area_.View() ? kSharedAreaSize : 0; }
    void Lock() override;
    void Unlock() override;
    uint32_t SendToHost(uint32_t message, uint32_t first, uint32_t second) override;
    void PostToHost(uint32_t message, uint32_t first, uint32_t second) override;

    // The first UI thread creates the lock; it then stays until unload, so
    // that the host's own exchanges at unload and list generations that
    // outlive a panel stay serialised and never use a closed handle.
    void CreateLock();
    void ReleaseLock();

private:
    const SharedArea& area_;
    const std::atomic<HWND>& hostWindow_;
    std::atomic<HANDLE> mutex_{nullptr};
    KernelHandle mutexOwner_;
};

}  // namespace qvs
