// Writes a zip archive that holds one file, deflated. Portable: the same
// code runs in pkzipc.exe and in the native tests that check its archives.
#pragma once
#include <string>

namespace pkzipc {

// Creates archive (replacing any file of that name) with file stored under
// the part of its path after the last separator. On failure nothing is left
// at archive and reason says why, in one line.
bool WriteSingleFileArchive(const std::string& archive, const std::string& file, std::string& reason);

}  // namespace pkzipc
