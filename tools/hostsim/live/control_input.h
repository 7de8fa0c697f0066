// Lines the test driver writes to the live host's standard input ("part
// #files", "join #files", "memory", "quit"), read on a thread of their own so
// that the host's loop never waits for them. The end of the input reads as
// "quit".
#pragma once
#include <deque>
#include <mutex>
#include <string>
#include <thread>

namespace hostsim::live {

class ControlInput {
public:
    ControlInput();
    ~ControlInput();
    // The next line, false when none waits.
    bool Next(std::string& line);

private:
    void Read();

    std::mutex lock_;
    std::deque<std::string> lines_;
    std::thread reader_;
};

}  // namespace hostsim::live
