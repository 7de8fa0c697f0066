#include "live/tcp_socket.h"

#include <ws2tcpip.h>

#include <utility>

namespace hostsim::live {
namespace {

constexpr WORD kWinsockVersion = MAKEWORD(2, 2);
constexpr int kReceiveChunk = 65536;
// Large buffers let one pass of the host's loop move a large piece of a file.
constexpr int kSocketBuffer = 1 << 20;

sockaddr_in Loopback(uint16_t port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

bool WouldBlock() { return WSAGetLastError() == WSAEWOULDBLOCK; }

}  // namespace

WinsockSession::WinsockSession() {
    WSADATA data;
    ready_ = WSAStartup(kWinsockVersion, &data) == 0;
}

WinsockSession::~WinsockSession() {
    if (ready_) WSACleanup();
}

TcpSocket::TcpSocket(SOCKET handle) : handle_(handle) {
    if (Valid()) MakeNonBlocking();
}

TcpSocket::~TcpSocket() { Close(); }

TcpSocket::TcpSocket(TcpSocket&& other) noexcept : handle_(std::exchange(other.handle_, INVALID_SOCKET)) {}

TcpSocket& TcpSocket::operator=(TcpSocket&& other) noexcept {
    if (this != &other) {
        Close();
        handle_ = std::exchange(other.handle_, INVALID_SOCKET);
    }
    return *this;
}

void TcpSocket::Close() {
    if (Valid()) closesocket(handle_);
    handle_ = INVALID_SOCKET;
}

void TcpSocket::MakeNonBlocking() {
    u_long on = 1;
    ioctlsocket(handle_, FIONBIO, &on);
    setsockopt(handle_, SOL_SOCKET, SO_SNDBUF, reinterpret_cast<const char*>(&kSocketBuffer), sizeof kSocketBuffer);
}

bool TcpSocket::Connect(const std::string& host, uint16_t port) {
    Close();
    sockaddr_in address = Loopback(port);
    if (inet_pton(AF_INET, host.c_str(), &address.sin_addr) != 1) return false;
    handle_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (!Valid() || connect(handle_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        Close();
        return false;
    }
    MakeNonBlocking();
    return true;
}

bool TcpSocket::Listen(uint16_t& port) {
    Close();
    sockaddr_in address = Loopback(0);
    int length = sizeof address;
    handle_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (!Valid() || bind(handle_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(handle_, 1) != 0 || getsockname(handle_, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        Close();
        return false;
    }
    MakeNonBlocking();
    port = ntohs(address.sin_port);
    return true;
}

TcpSocket TcpSocket::Accept() {
    if (!Valid()) return TcpSocket();
    SOCKET accepted = accept(handle_, nullptr, nullptr);
    return TcpSocket(accepted);
}

IoResult TcpSocket::Send(const char* data, std::size_t size, std::size_t& sent) {
    sent = 0;
    if (!Valid()) return IoResult::Closed;
    while (sent < size) {
        int result = send(handle_, data + sent, static_cast<int>(size - sent), 0);
        if (result > 0) {
            sent += static_cast<std::size_t>(result);
            continue;
        }
        return result < 0 && WouldBlock() ? IoResult::Later : IoResult::Closed;
    }
    return IoResult::Done;
}

IoResult TcpSocket::Receive(std::string& into) {
    if (!Valid()) return IoResult::Closed;
    char chunk[kReceiveChunk];
    for (;;) {
        int result = recv(handle_, chunk, sizeof chunk, 0);
        if (result > 0) {
            into.append(chunk, static_cast<std::size_t>(result));
            continue;
        }
        if (result < 0 && WouldBlock()) return IoResult::Later;
        return IoResult::Closed;
    }
}

}  // namespace hostsim::live
