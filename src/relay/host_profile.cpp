#include "relay/host_profile.h"

namespace qvs::relay {
namespace {

constexpr uint32_t kWordBits = 16;
constexpr uint32_t kLowWord = 0xFFFF;
constexpr std::size_t kOldBufferBytes = 900;  // hosts before 6.32
constexpr HostVersion kUtf8Text{7, 0};
constexpr HostVersion kSizedBuffer{7, 64};

// The buffer each host hands before it names the size itself: the first
// version with that size, the latest first.
struct BufferStep {
    HostVersion From;
    std::size_t Bytes;
};
constexpr BufferStep kBufferSteps[] = {{{7, 62}, 10340}, {{7, 53}, 8292}, {{6, 32}, 4150}};

bool AtLeast(HostVersion version, HostVersion floor) {
    return version.Major != floor.Major ? version.Major > floor.Major : version.Minor >= floor.Minor;
}

std::size_t UnnamedBufferBytes(HostVersion version) {
    for (const BufferStep& step : kBufferSteps)
        if (AtLeast(version, step.From)) return step.Bytes;
    return kOldBufferBytes;
}

}  // namespace

HostVersion VersionOf(uint32_t versionWord) { return {versionWord & kLowWord, versionWord >> kWordBits}; }

bool HasUnicodeField(HostVersion version) { return AtLeast(version, kUtf8Text); }

bool HasBufferSizeField(HostVersion version) { return AtLeast(version, kSizedBuffer); }

HostProfile ProfileFor(HostVersion version, uint32_t bufferSizeField) {
    std::size_t bytes = HasBufferSizeField(version) ? bufferSizeField : UnnamedBufferBytes(version);
    return {bytes, AtLeast(version, kUtf8Text)};
}

HostProfile UnknownHostProfile() { return {kOldBufferBytes, false}; }

}  // namespace qvs::relay
