// A TCP socket on 127.0.0.1 that never blocks the host's one thread: the
// host window must keep answering the module while traffic waits.
#pragma once
#include <winsock2.h>

#include <cstdint>
#include <string>

namespace hostsim::live {

// Winsock for the life of the program.
class WinsockSession {
public:
    WinsockSession();
    ~WinsockSession();
    bool Ready() const { return ready_; }

private:
    bool ready_ = false;
};

enum class IoResult { Done, Later, Closed };

class TcpSocket {
public:
    TcpSocket() = default;
    explicit TcpSocket(SOCKET handle);
    ~TcpSocket();
    TcpSocket(TcpSocket&& other) noexcept;
    TcpSocket& operator=(TcpSocket&& other) noexcept;
    TcpSocket(const TcpSocket&) = delete;
    TcpSocket& operator=(const TcpSocket&) = delete;

    // A connection to the host and port (blocking while it is made).
    bool Connect(const std::string& host, uint16_t port);
    // Listens on 127.0.0.1 at a port the system chooses.
    bool Listen(uint16_t& port);
    // A waiting connection, or an invalid socket when none waits.
    TcpSocket Accept();
    bool Valid() const { return handle_ != INVALID_SOCKET; }
    void Close();

    // Sends what the system takes now; sent tells how much.
    IoResult Send(const char* data, std::size_t size, std::size_t& sent);
    // Appends what has arrived.
    IoResult Receive(std::string& into);

private:
    void MakeNonBlocking();
    SOCKET handle_ = INVALID_SOCKET;
};

}  // namespace hostsim::live
