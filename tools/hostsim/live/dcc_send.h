// One DCC SEND as the host runs it: a listening socket on 127.0.0.1 offered
// to the receiver by CTCP, the file streamed once the receiver connects, the
// receiver's 4-byte acknowledgements counted, an optional speed limit. It
// ends "sent" when the receiver acknowledged every byte, "failed" when the
// receiver never came, stalled or went away first.
#pragma once
#include <winsock2.h>
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "live/tcp_socket.h"

namespace hostsim::live {

enum class SendStatus { Waiting, Active, Sent, Failed };

// How long a receiver may take to connect, and to acknowledge anything new.
constexpr uint64_t kAcceptTimeoutMs = 120000;
constexpr uint64_t kStallTimeoutMs = 120000;

class DccSend {
public:
    ~DccSend();
    // Opens the file (path in the host's single-byte text) and listens;
    // false when either fails. limitBytes 0: no limit.
    bool Start(const std::string& path, uint64_t limitBytes, uint64_t now);
    // The CTCP text that offers the file.
    std::string Offer() const;
    // Advances the transfer; true when its status changed.
    bool Poll(uint64_t now);
    // Ends it as failed (the window was closed, the connection is gone).
    void Abort();

    SendStatus Status() const { return status_; }
    bool Running() const { return status_ == SendStatus::Waiting || status_ == SendStatus::Active; }
    uint64_t Size() const { return size_; }
    uint64_t Acknowledged() const { return acknowledged_; }
    // Average speed since the receiver connected, bytes per second.
    uint32_t Cps(uint64_t now) const;

private:
    bool Accept(uint64_t now);
    bool Stream(uint64_t now);
    void ReadAcknowledgements(uint64_t now);
    bool FillBuffer(uint64_t now);
    bool ReadAhead();
    bool End(SendStatus status);

    SendStatus status_ = SendStatus::Waiting;
    HANDLE file_ = INVALID_HANDLE_VALUE;
    std::string name_;  // as offered: UTF-8, as the host writes IRC text
    uint64_t size_ = 0;
    uint64_t limitBytes_ = 0;
    TcpSocket listener_;
    TcpSocket peer_;
    uint16_t port_ = 0;
    std::vector<char> buffer_;
    std::size_t bufferAt_ = 0;
    uint64_t read_ = 0;
    uint64_t written_ = 0;
    uint64_t acknowledged_ = 0;
    std::string ackBytes_;
    uint64_t startedAt_ = 0;
    uint64_t connectedAt_ = 0;
    uint64_t progressAt_ = 0;
};

}  // namespace hostsim::live
