// The host's connection to an IRC server: lines out (kept until the socket
// takes them), lines in.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "live/tcp_socket.h"

namespace hostsim::live {

class IrcConnection {
public:
    bool Open(const std::string& host, uint16_t port) { return socket_.Connect(host, port); }
    bool Connected() const { return socket_.Valid(); }
    // Queues one line; a line break inside would start a second command, so
    // the line ends there.
    void Write(const std::string& line);
    // Moves waiting output and takes complete input lines; false once the
    // server closed the connection.
    bool Pump(std::vector<std::string>& lines);
    // Lines written so far, for the flood figures.
    uint64_t LinesWritten() const { return linesWritten_; }

private:
    TcpSocket socket_;
    std::string out_;
    std::string in_;
    uint64_t linesWritten_ = 0;
};

}  // namespace hostsim::live
