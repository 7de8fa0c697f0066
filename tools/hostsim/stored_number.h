// One number that a configuration file of the module holds, read with the
// project's own compound-file reader: the module saved it through the
// platform's structured storage, so the check also crosses the two.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace hostsim {

// path names storages and then the stream, separated by backslashes
// ("1\NoOfFilesSent"); the stream holds a 4- or 8-byte little-endian value.
// False, with the reason, when the file, an element or such a value is missing.
bool ReadStoredNumber(const std::vector<uint8_t>& file, const std::string& path, uint64_t& value, std::string& error);
// The stream's bytes as they are.
bool ReadStoredStream(const std::vector<uint8_t>& file, const std::string& path, std::string& bytes, std::string& error);

}  // namespace hostsim
