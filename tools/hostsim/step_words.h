// Reading the words of a step.
#pragma once
#include <cstdint>
#include <string>

namespace hostsim {

// Decimal digits only; false otherwise.
bool ParseUnsigned(const std::string& word, uint32_t& value);
// Numbers that may be negative (window positions).
bool ParseSigned(const std::string& word, int& value);
// A command or identifier matches an expectation exactly, where each '*' of
// the expectation stands for any run of characters ("/SendFile 1 bob *.txt").
bool Matches(const std::string& text, const std::string& expected);

}  // namespace hostsim
