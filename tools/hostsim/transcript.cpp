#include "transcript.h"

#include <cstdio>

namespace hostsim {
namespace {

// Control bytes (colour codes, CR, LF) shown as \xNN so lines stay lines.
std::string Printable(const std::string& text) {
    std::string shown;
    for (unsigned char c : text) {
        if (c >= 0x20 && c != 0x7F) {
            shown += static_cast<char>(c);
            continue;
        }
        char escape[8];
        std::snprintf(escape, sizeof escape, "\\x%02X", c);
        shown += escape;
    }
    return shown;
}

}  // namespace

void Transcript::Step(int line, const std::string& text) {
    std::printf("[%d] %s\n", line, Printable(text).c_str());
    std::fflush(stdout);
}

void Transcript::Comment(const std::string& text) {
    std::printf("%s\n", Printable(text).c_str());
    std::fflush(stdout);
}

void Transcript::Note(const std::string& text) {
    std::printf("      %s\n", Printable(text).c_str());
    std::fflush(stdout);
}

void Transcript::Pass(const std::string& detail) {
    ++passed_;
    if (!detail.empty()) Note("ok: " + detail);
}

void Transcript::Fail(const std::string& reason) {
    ++failed_;
    std::printf("      FAIL: %s\n", Printable(reason).c_str());
    std::fflush(stdout);
}

bool Transcript::Finish() {
    std::printf("%d passed, %d failed\n", passed_, failed_);
    std::fflush(stdout);
    return failed_ == 0;
}

}  // namespace hostsim
