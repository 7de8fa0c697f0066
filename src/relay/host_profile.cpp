#include "relay/host_profile.h"

namespace qvs::relay {
namespace {

constexpr uint32_t kWordBits = 16;
constexpr uint32_t kLowWord = 0xFFFF;
constexpr std::size_t kOldBufferBytes = 900;      // hosts before 6.32
constexpr std::size_t kLargerBufferBytes = 4150;  // 6.32 up to 7.63
constexpr HostVersion kLargerBuffer{6, 32};
constexpr HostVersion kUtf8Text{7, 0};
constexpr HostVersion kSizedBuffer{7, 64};

bool AtLeast(HostVersion version, HostVersion floor) {
    return version.Major != floor.Major ? version.Major > floor.Major : version.Minor >= floor.Minor;
}

}  // namespace

HostVersion VersionOf(uint32_t versionWord) { return {versionWord & kLowWord, versionWord >> kWordBits}; }

bool HasUnicodeField(HostVersion version) { return AtLeast(version, kUtf8Text); }

bool HasBufferSizeField(HostVersion version) { return AtLeast(version, kSizedBuffer); }

HostProfile ProfileFor(HostVersion version, uint32_t bufferSizeField) {
    std::size_t bytes = HasBufferSizeField(version) ? bufferSizeField
                        : AtLeast(version, kLargerBuffer) ? kLargerBufferBytes
                                                          : kOldBufferBytes;
    return {bytes, AtLeast(version, kUtf8Text)};
}

HostProfile UnknownHostProfile() { return {kOldBufferBytes, false}; }

}  // namespace qvs::relay
