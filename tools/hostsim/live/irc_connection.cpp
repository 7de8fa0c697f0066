#include "live/irc_connection.h"

namespace hostsim::live {

void IrcConnection::Write(const std::string& line) {
    out_ += line.substr(0, line.find_first_of("\r\n"));
    out_ += "\r\n";
    ++linesWritten_;
}

bool IrcConnection::Pump(std::vector<std::string>& lines) {
    std::size_t sent = 0;
    IoResult wrote = out_.empty() ? IoResult::Done : socket_.Send(out_.data(), out_.size(), sent);
    out_.erase(0, sent);
    IoResult read = socket_.Receive(in_);
    for (std::size_t end; (end = in_.find('\n')) != std::string::npos; in_.erase(0, end + 1)) {
        std::string line = in_.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    if (wrote != IoResult::Closed && read != IoResult::Closed) return true;
    socket_.Close();
    return false;
}

}  // namespace hostsim::live
