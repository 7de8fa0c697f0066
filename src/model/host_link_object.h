// The host link as one object: the buffer every command and identifier is
// formatted in, the transport whose lock guards that buffer, and what the
// command log needs. A worker thread is handed this object, never the whole
// module state.
#pragma once
#include <atomic>
#include <cstdint>
#include <string>

#include "model/platform.h"

namespace qvs {

constexpr uint32_t kHostLinkBufferSize = 2048;

struct HostLink {
    char Buffer[kHostLinkBufferSize] = {};
    HostTransport* Transport = nullptr;
    // "Log mIRC commands" and the log file in the configuration folder. The
    // switch is flipped on the panel while generation threads read it.
    std::atomic<bool> CommandLogging{false};
    std::string LogPath;
    ClockPort* Clock = nullptr;
    FilePort* Files = nullptr;
};

}  // namespace qvs
