// What the relay learns from the host's load record: how many bytes the data
// buffer holds and whether its text comes as UTF-8.
#pragma once
#include <cstddef>
#include <cstdint>

namespace qvs::relay {

struct HostVersion {
    uint32_t Major;
    uint32_t Minor;
};

struct HostProfile {
    std::size_t DataBytes;
    bool Utf8;
};

// The load record's version word: major in the low word, minor in the high.
HostVersion VersionOf(uint32_t versionWord);
// Hosts before 7.0 hand a 12-byte record: the unicode switch is not there.
bool HasUnicodeField(HostVersion version);
// From 7.64 on the record names the buffer size itself.
bool HasBufferSizeField(HostVersion version);
// bufferSizeField is read only when HasBufferSizeField.
HostProfile ProfileFor(HostVersion version, uint32_t bufferSizeField);
// Until a load record arrives: the smallest buffer any host hands, bytes as they come.
HostProfile UnknownHostProfile();

}  // namespace qvs::relay
