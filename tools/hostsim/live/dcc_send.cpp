#include "live/dcc_send.h"

#include <algorithm>

#include "live/host_text.h"

namespace hostsim::live {
namespace {

constexpr std::size_t kChunk = 256 * 1024;
constexpr std::size_t kAckBytes = 4;
constexpr uint64_t kMsPerSecond = 1000;
constexpr uint64_t kAckWrap = 1ull << 32;
constexpr char kLoopbackNumber[] = "2130706433";  // 127.0.0.1 as the offer writes it

std::string FileName(const std::string& path) {
    std::size_t slash = path.find_last_of('\\');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

uint32_t BigEndian(const std::string& bytes, std::size_t at) {
    uint32_t value = 0;
    for (std::size_t i = 0; i < kAckBytes; ++i) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

}  // namespace

DccSend::~DccSend() {
    if (file_ != INVALID_HANDLE_VALUE) CloseHandle(file_);
}

bool DccSend::Start(const std::string& path, uint64_t limitBytes, uint64_t now) {
    file_ = CreateFileW(HostTextToWide(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    LARGE_INTEGER size{};
    if (file_ == INVALID_HANDLE_VALUE || !GetFileSizeEx(file_, &size) || !listener_.Listen(port_)) return false;
    size_ = static_cast<uint64_t>(size.QuadPart);
    name_ = HostTextToUtf8(FileName(path));
    limitBytes_ = limitBytes;
    startedAt_ = progressAt_ = now;
    buffer_.resize(kChunk);
    return true;
}

std::string DccSend::Offer() const {
    std::string name = name_.find(' ') == std::string::npos ? name_ : "\"" + name_ + "\"";
    return "\x01" "DCC SEND " + name + " " + kLoopbackNumber + " " + std::to_string(port_) + " " +
           std::to_string(size_) + "\x01";
}

bool DccSend::Poll(uint64_t now) {
    if (status_ == SendStatus::Waiting) return Accept(now);
    if (status_ == SendStatus::Active) return Stream(now);
    return false;
}

void DccSend::Abort() {
    if (Running()) End(SendStatus::Failed);
}

uint32_t DccSend::Cps(uint64_t now) const {
    if (status_ == SendStatus::Waiting || now <= connectedAt_) return 0;
    return static_cast<uint32_t>(acknowledged_ * kMsPerSecond / (now - connectedAt_));
}

bool DccSend::Accept(uint64_t now) {
    peer_ = listener_.Accept();
    if (!peer_.Valid()) return now - startedAt_ >= kAcceptTimeoutMs && End(SendStatus::Failed);
    listener_.Close();
    status_ = SendStatus::Active;
    connectedAt_ = progressAt_ = now;
    if (size_ == 0) return End(SendStatus::Sent);  // nothing to wait for
    Stream(now);
    return true;
}

bool DccSend::Stream(uint64_t now) {
    ReadAcknowledgements(now);
    if (acknowledged_ >= size_) return End(SendStatus::Sent);
    if (!peer_.Valid()) return End(SendStatus::Failed);
    if (!FillBuffer(now)) return End(SendStatus::Failed);
    return now - progressAt_ >= kStallTimeoutMs && End(SendStatus::Failed);
}

// The receiver acknowledges the total it has, modulo 2^32.
void DccSend::ReadAcknowledgements(uint64_t now) {
    if (peer_.Receive(ackBytes_) == IoResult::Closed) peer_.Close();
    std::size_t whole = ackBytes_.size() / kAckBytes * kAckBytes;
    if (whole == 0) return;
    uint64_t low = BigEndian(ackBytes_, whole - kAckBytes);
    ackBytes_.erase(0, whole);
    uint64_t total = (written_ & ~(kAckWrap - 1)) | low;
    if (total > written_) total -= kAckWrap;
    if (total > acknowledged_) progressAt_ = now;
    acknowledged_ = std::max(acknowledged_, total);
}

// Sends what the limit and the socket allow; false on a read error.
bool DccSend::FillBuffer(uint64_t now) {
    uint64_t allowed = limitBytes_ ? limitBytes_ * (now - connectedAt_) / kMsPerSecond : size_;
    while (written_ < size_ && written_ < allowed) {
        if (read_ == written_ && !ReadAhead()) return false;
        std::size_t pending = static_cast<std::size_t>(read_ - written_);
        std::size_t take = static_cast<std::size_t>(std::min<uint64_t>(pending, allowed - written_));
        std::size_t sent = 0;
        IoResult result = peer_.Send(buffer_.data() + bufferAt_, take, sent);
        bufferAt_ += sent;
        written_ += sent;
        if (result == IoResult::Closed) peer_.Close();
        if (result != IoResult::Done) return true;
    }
    return true;
}

// The next piece of the file into the buffer, once all before it went out.
bool DccSend::ReadAhead() {
    DWORD got = 0;
    if (!ReadFile(file_, buffer_.data(), kChunk, &got, nullptr) || got == 0) return false;
    read_ += got;
    bufferAt_ = 0;
    return true;
}

bool DccSend::End(SendStatus status) {
    status_ = status;
    listener_.Close();
    peer_.Close();
    if (file_ != INVALID_HANDLE_VALUE) CloseHandle(file_);
    file_ = INVALID_HANDLE_VALUE;
    return true;
}

}  // namespace hostsim::live
