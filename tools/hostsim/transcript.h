// The readable record of a run: every step, what the host saw meanwhile, and
// each step's verdict, then "N passed, M failed".
#pragma once
#include <string>

namespace hostsim {

class Transcript {
public:
    void Step(int line, const std::string& text);
    // A comment of the scenario, as it stands.
    void Comment(const std::string& text);
    // Something that happened during the step, indented under it.
    void Note(const std::string& text);
    void Pass(const std::string& detail = std::string());
    void Fail(const std::string& reason);
    // Prints the final line; true when nothing failed.
    bool Finish();

private:
    int passed_ = 0;
    int failed_ = 0;
};

}  // namespace hostsim
