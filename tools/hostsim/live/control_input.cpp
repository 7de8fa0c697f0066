#include "live/control_input.h"

#include <iostream>

namespace hostsim::live {

ControlInput::ControlInput() : reader_(&ControlInput::Read, this) {}

// The reader may still wait on an input that never ends; the process ends it.
ControlInput::~ControlInput() { reader_.detach(); }

void ControlInput::Read() {
    std::string line;
    while (std::getline(std::cin, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::lock_guard<std::mutex> hold(lock_);
        lines_.push_back(line);
    }
    std::lock_guard<std::mutex> hold(lock_);
    lines_.push_back("quit");
}

bool ControlInput::Next(std::string& line) {
    std::lock_guard<std::mutex> hold(lock_);
    if (lines_.empty()) return false;
    line = lines_.front();
    lines_.pop_front();
    return true;
}

}  // namespace hostsim::live
