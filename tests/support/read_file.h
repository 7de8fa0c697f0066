// Every byte of a file, for tests that compare what was written.
#pragma once
#include <fstream>
#include <iterator>
#include <string>

namespace qvs {

// Empty when the file cannot be read.
inline std::string ReadWholeFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

}  // namespace qvs
